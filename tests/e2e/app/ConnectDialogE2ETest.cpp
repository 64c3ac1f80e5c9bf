// The Connect dialog driven through its controls, against sorvex-sim over UDP on loopback and a
// loopback port where nothing answers. This process has no secret service (its session bus
// address leads nowhere): the dialog must still work and say that passwords are not remembered.
// The keyring itself is tested by keyring_test.sh.

#include "CDeviceDlg.h"
#include "ConnectDialogDriver.h"
#include "DeviceLaunch.h"
#include "LaunchParams.h"
#include "SimulatedSwitch.h"
#include "SnmpFront.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>

#include <gtest/gtest.h>

using namespace connecttest;

namespace {

QTemporaryDir* g_config = nullptr;

class ConnectDialogE2E : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_switch = new SimulatedSwitch();
        ASSERT_TRUE(s_switch->Start());
    }
    static void TearDownTestSuite()
    {
        delete s_switch;
        s_switch = nullptr;
    }
    void SetUp() override { QFile::remove(RememberedSwitches::defaultPath()); }

    static QString address() { return s_switch->Address(); }

    // A dialog whose Connect only records what it was given.
    std::unique_ptr<ConnectDialog> recordingDialog()
    {
        auto dialog = std::make_unique<ConnectDialog>([this](const LaunchParams& p) {
            opened.push_back(p);
            return true;
        });
        dialog->show();
        return dialog;
    }

    std::vector<LaunchParams> opened;
    static SimulatedSwitch* s_switch;
};

SimulatedSwitch* ConnectDialogE2E::s_switch = nullptr;

TEST_F(ConnectDialogE2E, RefusesWhatNoSessionCouldUseAndStartsNothing)
{
    const struct {
        const char* name;
        std::function<void(QWidget*)> fill;
        const char* message;
    } cases[] = {
        {"no address", [](QWidget* d) { fillV1(d, QString(), QStringLiteral("tundra"), QStringLiteral("lantern")); },
         "Enter the address of the switch."},
        // The address is checked before the communities.
        {"port outside 1-65535", [](QWidget* d) { fillV1(d, QStringLiteral("127.0.0.1:70000"), QString(), QString()); },
         "The address cannot be used: the port 70000 is outside 1-65535."},
        {"transport prefix", [](QWidget* d) { fillV1(d, QStringLiteral("tcp:127.0.0.1:161"), QStringLiteral("r"), QStringLiteral("w")); },
         "The address cannot be used: \"tcp:127.0.0.1:161\" is neither host:port nor an IPv6 address."},
        {"empty read community", [](QWidget* d) { fillV1(d, address(), QString(), QStringLiteral("lantern")); },
         "Enter the read community."},
        {"empty write community", [](QWidget* d) { fillV1(d, address(), QStringLiteral("tundra"), QString()); },
         "Enter the write community."},
        {"empty user", [](QWidget* d) { fillV3(d, address(), QString(), 2, 1, QStringLiteral("x"), QStringLiteral("y")); },
         "Enter the user name."},
        {"short authentication password",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("shades"), 2, 1, QStringLiteral("1234567"), QStringLiteral("shaprivpass")); },
         "The authentication password needs at least 8 characters."},
        {"short privacy password",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("shades"), 2, 1, QStringLiteral("shaauthpass"), QStringLiteral("priv")); },
         "The privacy password needs at least 8 characters."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = recordingDialog();
        c.fill(dialog.get());
        for (const char* button : {"test", "connect"}) {
            click(dialog.get(), button);
            EXPECT_EQ(text(dialog.get(), "status").toStdString(), c.message) << button;
        }
        EXPECT_TRUE(opened.empty());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(QFile::exists(RememberedSwitches::defaultPath()));
    }
}

TEST_F(ConnectDialogE2E, TestSaysWhetherTheSwitchAnsweredOrRefused)
{
    auto dialog = recordingDialog();
    const QString refused = QStringLiteral("The switch refused the credentials (%1).");
    const struct {
        const char* name;
        std::function<void(QWidget*)> fill;
        QString status;
    } cases[] = {
        {"version 3, authentication and privacy",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("shades"), 2, 1, QStringLiteral("shaauthpass"), QStringLiteral("shaprivpass")); },
         QStringLiteral("The switch answered.")},
        {"version 3, right password",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("shauser"), 1, 1, QStringLiteral("shaauthpass"), QString()); },
         QStringLiteral("The switch answered.")},
        {"version 3, wrong password",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("shauser"), 1, 1, QStringLiteral("wrongpass1"), QString()); },
         refused.arg(QStringLiteral("wrong digest (authentication password or protocol)"))},
        // The keys of the wrong password must not stay with the user.
        {"version 3, right password again",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("shauser"), 1, 1, QStringLiteral("shaauthpass"), QString()); },
         QStringLiteral("The switch answered.")},
        {"version 3, unknown user",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("nobody"), 1, 0, QStringLiteral("md5authpass"), QString()); },
         refused.arg(QStringLiteral("unknown user name"))},
        {"version 3, authentication only",
         [](QWidget* d) { fillV3(d, address(), QStringLiteral("md5user"), 1, 0, QStringLiteral("md5authpass"), QString()); },
         QStringLiteral("The switch answered.")},
        {"version 1", [](QWidget* d) { fillV1(d, address(), QStringLiteral("tundra"), QStringLiteral("lantern")); },
         QStringLiteral("The switch answered.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.fill(dialog.get());
        EXPECT_EQ(runTest(dialog.get()), c.status);
    }
    EXPECT_TRUE(opened.empty());
}

TEST_F(ConnectDialogE2E, SilentPortTimesOutWhileTheDialogKeepsPainting)
{
    QUdpSocket silent; // bound, never answers
    ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
    const QString where = QStringLiteral("127.0.0.1:%1").arg(silent.localPort());
    auto dialog = recordingDialog();
    dialog->setProbeTimeoutMs(1500);
    fillV3(dialog.get(), where, QStringLiteral("shades"), 2, 1, QStringLiteral("shaauthpass"), QStringLiteral("shaprivpass"));

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(50);
    QSignalSpy finished(dialog.get(), &ConnectDialog::testFinished);
    QElapsedTimer elapsed;
    elapsed.start();
    click(dialog.get(), "test");
    EXPECT_FALSE(control<QPushButton>(dialog.get(), "test")->isEnabled());
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_GE(elapsed.elapsed(), 1400);
    EXPECT_GE(ticks, 10) << "the GUI thread stood still during the wait";
    EXPECT_EQ(text(dialog.get(), "status"),
              QStringLiteral("No answer within 1.5 s. Check the address; a wrong community or privacy password "
                             "also goes unanswered."));
    EXPECT_TRUE(control<QPushButton>(dialog.get(), "test")->isEnabled());

    // Cancel cuts a long wait short and ends the dialog.
    dialog->setProbeTimeoutMs(20000);
    QSignalSpy ended(dialog.get(), &ConnectDialog::ended);
    click(dialog.get(), "test");
    QTest::qWait(200);
    elapsed.restart();
    click(dialog.get(), "cancel");
    EXPECT_LT(elapsed.elapsed(), 1000);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(!ended.isEmpty() || ended.wait(5000));
    QTest::qWait(100);
    EXPECT_EQ(finished.size(), 1) << "a cancelled Test reported";
    EXPECT_TRUE(opened.empty());
}

TEST_F(ConnectDialogE2E, ConnectOpensTheDeviceWindowAndRemembersNoSecret)
{
    DeviceLaunch launch;
    ConnectDialog dialog([&launch](const LaunchParams& p) {
        if (!launch.claim(p))
            return false;
        launch.show();
        return true;
    });
    dialog.show();
    // No secret service here: the dialog says so, and works all the same.
    auto* note = control<QLabel>(&dialog, "keyringNote");
    for (int i = 0; i < 100 && !note->isVisible(); ++i)
        QTest::qWait(50);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("Passwords are not remembered: this desktop has no keyring (secret service)."));

    fillV3(&dialog, address(), QStringLiteral("shades"), 2, 1, QStringLiteral("shaauthpass"), QStringLiteral("shaprivpass"));
    QSignalSpy ended(&dialog, &ConnectDialog::ended);
    click(&dialog, "connect");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(!ended.isEmpty() || ended.wait(5000));
    auto* device = qobject_cast<CDeviceDlg*>(launch.window());
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->isVisible());
    EXPECT_EQ(LaunchParams::current().IPAddress, address().toStdString());
    EXPECT_EQ(LaunchParams::current().UserName, "shades");
    EXPECT_EQ(LaunchParams::current().AuthPassword, "shaauthpass");
    EXPECT_EQ(LaunchParams::current().PrivPassword, "shaprivpass");

    QFile file(RememberedSwitches::defaultPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray remembered = file.readAll();
    EXPECT_TRUE(remembered.contains(address().toUtf8()));
    EXPECT_TRUE(remembered.contains("shades"));
    EXPECT_FALSE(remembered.contains("shaauthpass") || remembered.contains("shaprivpass")) << remembered.constData();

    // Chosen again, the switch fills the form but for the passwords; Forget removes it.
    auto again = recordingDialog();
    auto* list = control<QListWidget>(again.get(), "remembered");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), address() + QStringLiteral("  version 3  shades"));
    EXPECT_EQ(text(again.get(), "address"), address());
    EXPECT_EQ(text(again.get(), "user"), QStringLiteral("shades"));
    EXPECT_EQ(control<QComboBox>(again.get(), "securityLevel")->currentIndex(), 2);
    EXPECT_EQ(text(again.get(), "authPassword"), QString());
    for (int i = 0; i < 100 && text(again.get(), "status").isEmpty(); ++i)
        QTest::qWait(50);
    EXPECT_EQ(text(again.get(), "status"), QStringLiteral("Enter the passwords: they are not remembered."));
    click(again.get(), "forget");
    EXPECT_EQ(list->count(), 0);
    RememberedSwitches store;
    store.load();
    EXPECT_TRUE(store.entries().isEmpty());
}

TEST_F(ConnectDialogE2E, GrabsOfBothVersions)
{
    RememberedSwitches store;
    for (const char* where : {"10.0.0.7", "10.0.0.6:16161"}) {
        ConnectForm f;
        f.address = QLatin1String(where);
        f.version = 3;
        f.user = QStringLiteral("admin");
        ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(f)));
    }
    ConnectForm community;
    community.address = QStringLiteral("10.0.0.5");
    ASSERT_TRUE(store.remember(RememberedSwitch::fromForm(community)));
    auto dialog = recordingDialog();
    fillV1(dialog.get(), QStringLiteral("10.0.0.5"), QStringLiteral("tundra"), QStringLiteral("lantern"));
    QTest::qWait(100);
    const QImage v1 = dialog->grab().toImage();
    fillV3(dialog.get(), QStringLiteral("10.0.0.5:161"), QStringLiteral("admin"), 2, 1, QStringLiteral("authpass1"),
           QStringLiteral("privpass1"));
    QTest::qWait(100);
    const QImage v3 = dialog->grab().toImage();
    EXPECT_GT(v3.height(), v1.height()); // the version-3 fields take more room
    EXPECT_TRUE(v1.save(QStringLiteral(CONNECT_GRAB_DIR "/connect-v1.png")));
    EXPECT_TRUE(v3.save(QStringLiteral(CONNECT_GRAB_DIR "/connect-v3.png")));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The user's own configuration and keyring stay untouched: a private configuration folder,
    // and a session bus that does not exist.
    QTemporaryDir config;
    g_config = &config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/sorvex-no-bus");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    snmp::SnmpInit("sorvex-connect-e2e");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
