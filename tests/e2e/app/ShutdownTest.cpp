// The module ends within 2 s on SIGTERM whatever is open, with real processes: a page reading a
// switch, a page in the middle of a write to a slow switch, a start-up message box. The page
// cases run the module's own start-up in a child of this test (started with --child), which
// opens the page from the menu as the operator would and says on stdout how far it got.

#include "CDeviceDlg.h"
#include "CModuleApp.h"
#include "MenuCommand.h"
#include "SignalQuit.h"
#include "SimulatedSwitch.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

namespace {

QString g_self;

// The child: the module with a page opened from its menu; `applyId` (0: none) is clicked once the
// page's reads have enabled it.
int RunChild(const QStringList& arguments)
{
    const QString address = arguments.value(0);
    const int command = arguments.value(1).toInt();
    const int applyId = arguments.value(2).toInt();
    QApplication::setQuitOnLastWindowClosed(false);
    SignalQuit signalQuit;
    bool opened = false, announced = false, clicked = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!opened) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* device = qobject_cast<CDeviceDlg*>(w); device && device->isVisible()) {
                    opened = true;
                    // Runs the page in its own loop; the driver goes on from inside it.
                    QTimer::singleShot(0, device, [device, command] { device->RunCommand(command); });
                }
            }
            return;
        }
        QWidget* page = QApplication::activeModalWidget();
        if (!page)
            return;
        if (!announced) {
            announced = true;
            std::printf("page-open %s\n", qPrintable(page->objectName()));
            std::fflush(stdout);
        }
        auto* apply = applyId ? page->findChild<QPushButton*>(QString::number(applyId)) : nullptr;
        if (apply && apply->isEnabled() && !clicked) {
            clicked = true;
            std::printf("writing\n");
            std::fflush(stdout);
            apply->click();
        }
    });
    driver.start(50);
    return CModuleApp::run({QStringLiteral("/A1/I") + address + QStringLiteral("/Rtundra/Wlantern/ETRUE/V1/P161")});
}

class ModuleProcess {
public:
    void Start(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.start(program, arguments);
        ASSERT_TRUE(m_process.waitForStarted(5000));
    }
    bool WaitForOutput(const QByteArray& text, int ms)
    {
        QDeadlineTimer deadline(ms);
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            m_process.waitForReadyRead(50);
            m_out += m_process.readAllStandardOutput();
            if (m_out.contains(text))
                return true;
        }
        return false;
    }
    // Sends SIGTERM; the time until the process has ended (-1 when it did not within 5 s).
    bool Running() const { return m_process.state() == QProcess::Running; }
    qint64 Terminate()
    {
        QElapsedTimer timer;
        timer.start();
        ::kill(pid_t(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000))
            return -1;
        return timer.elapsed();
    }
    int ExitCode() const { return m_process.exitCode(); }
    QString Errors() { return QString::fromUtf8(m_process.readAllStandardError()); }
    ~ModuleProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    QProcess m_process;
    QByteArray m_out;
};

QProcessEnvironment ModuleEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("sorvex.trace=true"));
    return environment;
}

TEST(ModuleShutdown, SigtermWithAPageOpenClosesThePageThenTheWindowAndExits)
{
    SimulatedSwitch sim;
    ASSERT_TRUE(sim.Start());
    ModuleProcess module;
    module.Start(g_self, {QStringLiteral("--child"), sim.Address(), QString::number(MenuCommand::SystemInformation)},
                 ModuleEnvironment());
    ASSERT_TRUE(module.WaitForOutput("page-open dlg80", 10000));
    const qint64 ms = module.Terminate();
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, 2000);
    EXPECT_EQ(module.ExitCode(), 0);
    const QString trace = module.Errors();
    const qsizetype pageClosed = trace.indexOf(QStringLiteral("==================m_cCommonSNMPSet.Close==============="));
    const qsizetype windowClosed = trace.indexOf(QStringLiteral("==================m_cCommonSNMPFan.Close==============="));
    EXPECT_GE(pageClosed, 0) << trace.toStdString();
    EXPECT_GT(windowClosed, pageClosed) << trace.toStdString();
}

TEST(ModuleShutdown, SigtermDuringAWriteToASlowSwitchEndsWithinTheBound)
{
    SimulatedSwitch sim({QStringLiteral("--delay-ms"), QStringLiteral("2500")});
    ASSERT_TRUE(sim.Start());
    ModuleProcess module;
    module.Start(g_self,
                 {QStringLiteral("--child"), sim.Address(), QString::number(MenuCommand::SyslogHost),
                  QStringLiteral("1026")},
                 ModuleEnvironment());
    ASSERT_TRUE(module.WaitForOutput("writing", 15000));
    QTest::qWait(500); // the set is on its way
    ASSERT_TRUE(module.Running());
    const qint64 ms = module.Terminate();
    EXPECT_GE(ms, 0);
    EXPECT_LT(ms, 2000);
    EXPECT_EQ(module.ExitCode(), 0);
}

// A signal taken in by a start-up message box used to be lost: the box stayed, waiting for OK.
TEST(ModuleShutdown, SigtermWhileAStartUpMessageIsShownEndsTheModule)
{
    QTemporaryDir profile;
    ASSERT_TRUE(profile.isValid());
    QFile ini(profile.filePath(QStringLiteral("User.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("garbage\n");
    ini.close();
    struct Case {
        const char* name;
        QStringList arguments;
        bool badProfile;
    };
    const Case cases[] = {
        {"no launch line", {}, false},
        {"unreadable profile", {QStringLiteral("/A1/I127.0.0.1:9/Rtundra/Wlantern/ETRUE/V1/P161")}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QProcessEnvironment environment = ModuleEnvironment();
        if (c.badProfile)
            environment.insert(QStringLiteral("SORVEX_PROFILE_DIR"), profile.path());
        ModuleProcess module;
        module.Start(QStringLiteral(SORVEX_MODULE_PATH), c.arguments, environment);
        QTest::qWait(1500); // the message box is up
        ASSERT_TRUE(module.Running()); // waiting for its OK
        const qint64 ms = module.Terminate();
        EXPECT_GE(ms, 0);
        EXPECT_LT(ms, 2000);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Listing the tests happens without the test's environment: no display is needed either way.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1 && arguments[1] == QLatin1String("--child"))
        return RunChild(arguments.mid(2));
    g_self = arguments[0];
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
