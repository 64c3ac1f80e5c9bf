#include "DeviceWindowFixture.h"

#include "CPort.h"
#include "DeviceMenu.h"
#include "PanelView.h"
#include "PortClickNotifier.h"
#include "PortStatusBoard.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QTest>
#include <QTimer>

#include <mutex>

namespace {

std::vector<int> ObjectStates(const CDeviceDlg& window)
{
    std::vector<int> states;
    for (int n = 0; CPort* port = window.PortObject(n); ++n)
        states.push_back(port->GetState());
    return states;
}

TEST_F(DeviceWindowTest, PollingCycleShowsEveryPortAndStopsAtTheFirstInterfaceBeyondThem)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml");
    SeedSwitch();
    auto window = Open();
    ASSERT_TRUE(window->ProfileRead());
    EXPECT_EQ(window->windowTitle(), "SORVEX-A B1: 127.0.0.1:16199");
    ASSERT_TRUE(WaitForAppliedWalk(*window));

    const PortStatusBoard& board = window->Board();
    for (int p = 1; p <= kPorts; ++p) {
        int expected = PortStatusBoard::FullSpeed;
        if (p == 2 || p == 26)
            expected = PortStatusBoard::Slow;
        if (p == 4)
            expected = PortStatusBoard::AdminDown;
        if (p == 6 || p == 28)
            expected = PortStatusBoard::OperDown;
        EXPECT_EQ(board.PortState(p), expected) << "port " << p;
    }
    EXPECT_EQ(board.reachable, 1);
    // Objects: copper 1-28, then the fibre sides of 25-28. Port 25 runs on fibre; port 5's
    // fibre media is no reason to light another port.
    const std::vector<int> objects = ObjectStates(*window);
    ASSERT_EQ(objects.size(), 32u);
    EXPECT_EQ(objects[4], 1);
    EXPECT_EQ(objects[8], 1);
    EXPECT_EQ(objects[24], 3);
    EXPECT_EQ(objects[28], 1);
    EXPECT_EQ((std::vector<int>(objects.begin() + 29, objects.end())), (std::vector<int>{3, 3, 3}));

    // Row 29 ends the walk: nothing is asked beyond it.
    EXPECT_GE(GetNextRequestsFor(oid::ifType + ".28"), 1);
    EXPECT_EQ(GetNextRequestsFor(oid::ifType + ".29"), 0);
    const auto walks = agent->requestsOfType(snmp::PduType::GetNext);
    ASSERT_FALSE(walks.empty());
    EXPECT_EQ(walks.front().binds.size(), 5u);
    EXPECT_EQ(walks.front().binds[4].oid, oid::Device("1.13.1.7"));
}

TEST_F(DeviceWindowTest, ASilentSwitchDarkensEveryLampAndTheNextAnsweredCycleRestoresThem)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();
    ASSERT_TRUE(WaitForAppliedWalk(*window));

    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setDefaultFault(silent);
    ASSERT_TRUE(WaitFor([&] { return window->Board().reachable == 0; }));
    for (int p = 1; p <= kPorts; ++p)
        EXPECT_EQ(window->Board().PortState(p), 3) << p;
    const std::vector<int> objects = ObjectStates(*window);
    EXPECT_EQ(objects, std::vector<int>(32, 2)) << "every port and fibre object off";

    agent->clearFaults();
    ASSERT_TRUE(WaitFor([&] { return window->Board().reachable == 1 && window->Board().PortState(1) == 1; }, 8000));
    EXPECT_EQ(window->Board().PortState(25), 1);
    EXPECT_EQ(ObjectStates(*window)[28], 1);
}

TEST_F(DeviceWindowTest, FanStatusFollowsTheSwitchAndAFailedQueryKeepsTheLastOne)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", true);
    SeedSwitch();
    const std::string fan = oid::Device("1.15.1.0");
    auto window = Open();
    // 1 is normal; any other value is a failure.
    const std::pair<int, int> readings[] = {{1, 1}, {2, 2}, {1, 1}, {0, 2}, {1, 1}, {7, 2}};
    for (auto [value, expected] : readings) {
        agent->setInteger(fan, value);
        EXPECT_TRUE(WaitFor([&] { return window->Board().fanStatus == expected; })) << value;
    }
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    agent->setObjectFault(fan, refused);
    agent->setInteger(fan, 1);
    const int asked = int(agent->requests().size());
    ASSERT_TRUE(WaitFor([&] { return int(agent->requests().size()) > asked + 20; })); // several cycles
    EXPECT_EQ(window->Board().fanStatus, 2);
}

// Any answer, an error-status included, shows the switch is there: its lamps stay as read.
TEST_F(DeviceWindowTest, AnErrorAnswerToTheProbeStillCountsAsReachable)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();
    ASSERT_TRUE(WaitForAppliedWalk(*window));
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::NoSuchName;
    agent->setObjectFault(oid::Device("25.1.0"), refused);
    const int asked = int(agent->requests().size());
    ASSERT_TRUE(WaitFor([&] { return int(agent->requests().size()) > asked + 40; }));
    EXPECT_EQ(window->Board().reachable, 1);
    EXPECT_EQ(window->Board().PortState(1), PortStatusBoard::FullSpeed);
}

// Records the LED-mode reports the window receives.
class LedModeRecorder : public CDeviceDlg {
public:
    std::vector<std::pair<bool, bool>> modes; // (link mode, changed)

protected:
    void OnLedMode(bool linkMode, bool modeChanged) override
    {
        modes.emplace_back(linkMode, modeChanged);
        CDeviceDlg::OnLedMode(linkMode, modeChanged);
    }
};

TEST_F(DeviceWindowTest, PoeModelChangingItsLedModeResetsThePortsOnceThenShowsPoeStates)
{
    WriteProfile("SORVEX-AP B1", "SorvexAP.xml", false);
    SeedSwitch();
    SeedPoe(1);
    LedModeRecorder window;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.modes.size() >= 3; }));
    EXPECT_EQ(window.Board().PortState(1), 1);
    EXPECT_TRUE(window.Board().linkMode);

    agent->setInteger(oid::Device("22.8.0"), 2);
    const size_t before = window.modes.size();
    ASSERT_TRUE(WaitFor([&] { return window.modes.size() >= before + 4; }));
    ASSERT_TRUE(WaitFor([&] { return window.Board().PortState(3) == 2; }));

    int changes = 0;
    for (const auto& [link, changed] : window.modes)
        changes += changed;
    EXPECT_EQ(changes, 2) << "the first cycle, then the switch to PoE mode";
    EXPECT_FALSE(window.Board().linkMode);
    EXPECT_FALSE(window.Board().powMax);
    EXPECT_EQ(window.Board().PortState(1), 1);
    EXPECT_EQ(window.Board().PortState(25), 3);
    EXPECT_EQ(window.PortObject(24)->GetState(), 2);
    EXPECT_EQ(window.PortObject(31)->GetState(), 2);
    EXPECT_GT(GetNextRequestsFor(oid::Device("22.1.1.13")), 0);
}

TEST_F(DeviceWindowTest, AFailedPoeQueryKeepsTheFlagsAndTheCyclesGoOn)
{
    WriteProfile("SORVEX-AP B1", "SorvexAP.xml", false);
    SeedSwitch();
    SeedPoe(2);
    agent->setOctets(oid::Device("22.6.0"), "3.0");
    LedModeRecorder window;
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.Board().powMax && window.Board().PortState(1) == 1; }));

    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    agent->setObjectFault(oid::Device("22.6.0"), refused);
    const size_t before = window.modes.size();
    ASSERT_TRUE(WaitFor([&] { return window.modes.size() >= before + 3; }));
    EXPECT_TRUE(window.Board().powMax);
    EXPECT_FALSE(window.Board().linkMode);
    // no walk is left busy: the mode query is asked every cycle, none is skipped
    EXPECT_GE(window.modes.size(), before + 3);

    agent->clearFaults();
    agent->setOctets(oid::Device("22.6.0"), "50.0");
    EXPECT_TRUE(WaitFor([&] { return !window.Board().powMax; }));
}

// Trace lines of the category, in order.
std::mutex g_linesMutex;
QStringList g_lines;
void KeepTraceLine(QtMsgType, const QMessageLogContext& context, const QString& text)
{
    if (QLatin1String(context.category) != QLatin1String("sorvex.trace"))
        return;
    std::lock_guard lock(g_linesMutex);
    g_lines << text;
}

TEST_F(DeviceWindowTest, ClosingWhileASlowQueryRunsEndsWithinTheBound)
{
    WriteProfile("SORVEX-AP B1", "SorvexAP.xml", false);
    SeedSwitch();
    SeedPoe(1);
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 5000;
    agent->setObjectFault(oid::Device("22.8.0"), slow);
    auto window = Open();
    ASSERT_TRUE(WaitFor([&] {
        for (const auto& r : agent->requests())
            if (!r.binds.empty() && r.binds[0].oid == oid::Device("22.8.0"))
                return true;
        return false;
    }));

    QLoggingCategory::setFilterRules(QStringLiteral("sorvex.trace=true"));
    const QtMessageHandler previous = qInstallMessageHandler(KeepTraceLine);
    QElapsedTimer clock;
    clock.start();
    window->close();
    const qint64 elapsed = clock.elapsed();
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("sorvex.trace=false"));

    EXPECT_LT(elapsed, 1000);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->IsPolling());
    std::lock_guard lock(g_linesMutex);
    const qsizetype first = g_lines.indexOf("==================DestroyWindow===============");
    ASSERT_GE(first, 0);
    EXPECT_EQ(g_lines.mid(first, 7), (QStringList{"==================DestroyWindow===============",
                                                  "==================m_cCommonSNMP.Close===============",
                                                  "==================m_cCommonSNMPset.Close===============",
                                                  "==================m_cCommonSNMPFan.Close===============",
                                                  "==================m_cCommonSNMPPoe.Close===============",
                                                  "==================m_cCommonSNMPDevStat.Close===============",
                                                  "==================m_cCommonSNMPPoeStat.Close==============="}));
}

TEST_F(DeviceWindowTest, ABadProfileShowsItsMessageAndNothingPolls)
{
    for (const char* profile : {"[DeviceInfo]\nXMLName=SorvexA.xml\n", "[DeviceInfo]\nDeviceName=SORVEX-A B1\n"}) {
        QFile file(profileDir.filePath(QStringLiteral("User.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(profile);
        file.close();
        boxes.clear();
        auto window = Open();
        EXPECT_EQ(boxes.texts(), QStringList{"Read User.ini Error !"});
        EXPECT_FALSE(window->IsPolling());
        QTest::qWait(50);
        EXPECT_EQ(agent->requestCount(), 0);
        QTest::mouseClick(window->View(), Qt::LeftButton, {}, QPoint(120, 30));
        window->grab();
        window->close();
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(DeviceWindowTest, ACostlyOrOversizedPanelDescriptionIsRefusedOrBounded)
{
    const QString values = QStringLiteral("<ID>F</ID><LEFT>0</LEFT><TOP>0</TOP><WIDTH>%1</WIDTH><HEIGHT>%1</HEIGHT>");
    struct Case {
        const char* name;
        QString xml;
        QStringList messages;
        QSize viewSize;
    } const cases[] = {
        {"costly path",
         "<FRONT><DEVICEPANEL p='//*[count(//*[count(//X) &lt; 0]) &lt; 0]'>" + values.arg(300) + "</DEVICEPANEL>"
             + QString("<X/>").repeated(3000) + "</FRONT>",
         {"Cannot use the front-panel description panel.xml: the attribute p=\"//*[count(//*[count(//X) < 0]) < 0]\" "
          "is no path of element names, \".\" and \"..\" !"},
         QSize(850, 120)},
        {"window of 20000 x 20000", "<FRONT><DEVICEPANEL>" + values.arg(20000) + "</DEVICEPANEL></FRONT>", {},
         QSize(4096, 2048)},
    };
    for (const Case& c : cases) {
        const QString xmlPath = profileDir.filePath(QStringLiteral("panel.xml"));
        QFile xml(xmlPath);
        ASSERT_TRUE(xml.open(QIODevice::WriteOnly | QIODevice::Truncate));
        xml.write(c.xml.toUtf8());
        xml.close();
        WriteProfile("SORVEX-A B1", xmlPath.toUtf8().constData());
        boxes.clear();
        QElapsedTimer clock;
        clock.start();
        auto window = Open();
        EXPECT_LT(clock.elapsed(), 2000) << c.name;
        EXPECT_EQ(boxes.texts(), c.messages) << c.name;
        EXPECT_EQ(window->View()->size(), c.viewSize) << c.name;
        window->close();
    }
}

struct SaveCase {
    const char* name;
    bool confirm;
    long errorStatus;
    QStringList texts;
};

class SaveConfigurationTest : public DeviceWindowTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveConfigurationTest, AsksWritesAndTellsTheOutcome)
{
    const SaveCase& c = GetParam();
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    if (c.errorStatus) {
        snmp::MemoryAgent::Fault refused;
        refused.errorStatus = c.errorStatus;
        agent->setObjectFault(oid::Device("1.10.0"), refused);
    }
    auto window = Open();
    boxes.answerQuestions({c.confirm});
    window->Menu()->Action(MenuCommand::SaveConfiguration)->trigger();
    WaitFor([&] { return boxes.texts().size() >= c.texts.size(); }); // the write runs on

    EXPECT_EQ(boxes.texts(), c.texts);
    const auto sets = agent->requestsOfType(snmp::PduType::Set);
    ASSERT_EQ(sets.size(), c.confirm ? 1u : 0u);
    if (c.confirm) {
        ASSERT_EQ(sets[0].binds.size(), 1u);
        EXPECT_EQ(sets[0].binds[0], snmp::VarBind::integer(oid::Device("1.10.0"), 1));
        EXPECT_EQ(sets[0].target.community, "lantern");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, SaveConfigurationTest,
    testing::Values(SaveCase{"Saved", true, 0, {"Do you want to save the configuration?", "  Success!  "}},
                    SaveCase{"Refused", true, snmp::ErrorStatus::GenErr, {"Do you want to save the configuration?", "  Failed!  "}},
                    SaveCase{"Cancelled", false, 0, {"Do you want to save the configuration?"}}),
    [](const testing::TestParamInfo<SaveCase>& info) { return info.param.name; });

TEST_F(DeviceWindowTest, TelnetAndWebStartTheirProgramsOnTheHostPartOfTheAddress)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();

    boxes.answerQuestions({true, false, true, true});
    window->RunCommand(MenuCommand::Telnet);
    window->RunCommand(MenuCommand::Telnet); // cancelled
    window->RunCommand(MenuCommand::Web);    // no handler for http URLs
    launcher.httpOpener = QStringLiteral("/usr/bin/xdg-open");
    window->RunCommand(MenuCommand::Web);

    EXPECT_EQ(boxes.texts(), (QStringList{"Do you want to TELNET this device?", "Do you want to TELNET this device?",
                                          "Do you want to access this device with browser?", "Failed to get IE path !",
                                          "Do you want to access this device with browser?"}));
    ASSERT_EQ(launcher.started.size(), 2u);
    EXPECT_EQ(launcher.started[0].program, "x-terminal-emulator");
    EXPECT_EQ(launcher.started[0].arguments, (QStringList{"-e", "telnet", "127.0.0.1"}));
    EXPECT_EQ(launcher.started[1].program, "/usr/bin/xdg-open");
    EXPECT_EQ(launcher.started[1].arguments, QStringList{"http://127.0.0.1"});
}

TEST(DeviceToolsTest, HostPartOfTheAddress)
{
    EXPECT_EQ(DeviceTools::HostOf("127.0.0.1:16161"), "127.0.0.1");
    EXPECT_EQ(DeviceTools::HostOf("127.0.0.1"), "127.0.0.1");
    EXPECT_EQ(DeviceTools::HostOf("[::1]:161"), "[::1]");
    EXPECT_EQ(DeviceTools::HostOf("::1"), "::1");
    EXPECT_EQ(DeviceTools::HostOf(""), "");
}

TEST_F(DeviceWindowTest, APageOpensWhileTheWindowWaitsMinimisedAndPollingPauses)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();
    ASSERT_TRUE(WaitForAppliedWalk(*window));

    struct Seen {
        int command = 0, port = -1;
        bool minimised = false, pageOpen = false;
        int requestsWhileOpen = -1;
    } seen;
    bool destroyed = false;
    window->SetPageFactory([&](int command, int port) {
        seen.command = command;
        seen.port = port;
        auto page = std::make_unique<QDialog>();
        QObject::connect(page.get(), &QObject::destroyed, [&] { destroyed = true; });
        QTimer::singleShot(0, page.get(), [&, p = page.get()] {
            seen.minimised = window->isMinimized();
            seen.pageOpen = window->IsPageOpen();
            QTest::qWait(150); // longer than a polling cycle
            const int before = agent->requestCount();
            QTest::qWait(150);
            seen.requestsWhileOpen = agent->requestCount() - before;
            p->accept();
        });
        return page;
    });
    window->Menu()->Action(MenuCommand::PortConfiguration)->setEnabled(true);
    window->Menu()->Action(MenuCommand::PortConfiguration)->trigger();

    EXPECT_EQ(seen.command, MenuCommand::PortConfiguration);
    EXPECT_EQ(seen.port, 0);
    EXPECT_TRUE(seen.minimised);
    EXPECT_TRUE(seen.pageOpen);
    EXPECT_EQ(seen.requestsWhileOpen, 0);
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(window->IsPageOpen());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());
    const int after = agent->requestCount();
    EXPECT_TRUE(WaitFor([&] { return agent->requestCount() > after; })) << "polling resumes";
}

TEST_F(DeviceWindowTest, PortClickNotifiesListenersAndOpensThePortPageConsoleClickStartsTelnet)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();
    QLocalServer::removeServer(PortClickNotifier::ServerName());
    QLocalServer listener;
    ASSERT_TRUE(listener.listen(PortClickNotifier::ServerName()));

    std::vector<int> opened;
    window->SetPageFactory([&](int command, int port) -> std::unique_ptr<QDialog> {
        opened.push_back(command == MenuCommand::PortConfiguration ? port : -command);
        return nullptr;
    });
    auto clickAt = [&](QPoint at) { QTest::mouseClick(window->View(), Qt::LeftButton, {}, at); };
    const QRect port3 = window->PortObject(2)->GetRect();
    const QRect fibre26 = window->PortObject(29)->GetRect();
    clickAt(port3.topLeft() + QPoint(2, 2)); // inside the 2-pixel margin: nothing
    clickAt(port3.center());
    clickAt(fibre26.center());

    EXPECT_EQ(opened, (std::vector<int>{3, 26}));
    ASSERT_TRUE(WaitFor([&] { return listener.hasPendingConnections(); }, 1000));
    QLocalSocket* note = listener.nextPendingConnection();
    ASSERT_TRUE(WaitFor([&] { return note->bytesAvailable() >= 2 || note->waitForReadyRead(10); }, 1000));
    EXPECT_EQ(note->readAll(), "0\n");

    const QRect console = window->Root().FindChildByClass("CCom", 0)->GetRect();
    clickAt(console.center());
    EXPECT_TRUE(boxes.texts().isEmpty()) << "the console port starts Telnet without asking";
    ASSERT_EQ(launcher.started.size(), 1u);
    EXPECT_EQ(launcher.started[0].arguments, (QStringList{"-e", "telnet", "127.0.0.1"}));
}

TEST_F(DeviceWindowTest, AboutShowsTheDeviceNameInItsTitleAndText)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();
    EXPECT_EQ(window->Menu()->Action(MenuCommand::About)->text(), "About SORVEX-A B1");
    QString title, text;
    bool minimised = false;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        text = about->findChild<QLabel*>("1049")->text();
        minimised = window->isMinimized();
        static_cast<QDialog*>(about)->accept();
    });
    window->RunCommand(MenuCommand::About);
    EXPECT_EQ(title, "SORVEX-A B1 Module");
    EXPECT_EQ(text, "SORVEX-A B1 Management Module");
    EXPECT_TRUE(minimised);
    EXPECT_FALSE(window->isMinimized());
}

} // namespace

namespace {

TEST_F(DeviceWindowTest, RebootAsksThenSendsTheRebootWhileTheWindowWaitsMinimised)
{
    WriteProfile("SORVEX-A B1", "SorvexA.xml", false);
    SeedSwitch();
    auto window = Open();
    boxes.answerQuestions({false, true});
    window->RunCommand(MenuCommand::Reboot);
    EXPECT_TRUE(agent->requestsOfType(snmp::PduType::Set).empty());

    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 300;
    agent->setObjectFault(oid::Device("1.9.0"), slow);
    bool minimisedMeanwhile = false;
    QTimer::singleShot(100, [&] { minimisedMeanwhile = window->isMinimized() && window->IsPageOpen(); });
    window->RunCommand(MenuCommand::Reboot);
    ASSERT_TRUE(WaitFor([&] { return !window->IsPageOpen(); })); // the window comes back once answered

    EXPECT_EQ(boxes.texts(), (QStringList{"Do you want to reboot the device?", "Do you want to reboot the device?"}));
    const auto sets = agent->requestsOfType(snmp::PduType::Set);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].binds, (std::vector<snmp::VarBind>{snmp::VarBind::integer(oid::Device("1.9.0"), 1)}));
    EXPECT_TRUE(minimisedMeanwhile);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(window->IsPageOpen());
}

} // namespace
