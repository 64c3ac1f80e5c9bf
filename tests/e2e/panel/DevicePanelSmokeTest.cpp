// The device window against sorvex-sim over UDP on loopback: the panel is drawn from what the
// simulator answers, the grab is kept in the build tree, lamps follow link changes and the
// simulator going away and coming back.

#include "CDeviceDlg.h"
#include "CPanelDeviceThread.h"
#include "CPort.h"
#include "DeviceProfile.h"
#include "LaunchParams.h"
#include "PanelLampPainter.h"
#include "PanelResources.h"
#include "PanelView.h"
#include "ScriptedMessageBox.h"
#include "SimulatedSwitch.h"
#include "SnmpFront.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLoggingCategory>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr int kPorts = 28;

struct Model {
    const char* name;
    const char* profileDir; // beside the executable; empty: User.ini there
    const char* png;
};

class DevicePanelSmokeTest : public testing::TestWithParam<Model> {
protected:
    void SetUp() override
    {
        const Model& m = GetParam();
        const QString beside = QString::fromStdString(DeviceProfile::executableDirectory());
        if (*m.profileDir)
            qputenv("SORVEX_PROFILE_DIR", QDir(beside).filePath(QLatin1String(m.profileDir)).toLocal8Bit());
        else
            qunsetenv("SORVEX_PROFILE_DIR");
    }
    void TearDown() override
    {
        qunsetenv("SORVEX_PROFILE_DIR");
        CPanelDeviceThread::SetTiming({});
    }

    static void UseAddress(const QString& address)
    {
        LaunchParams::setCurrent(LaunchParams::parse(("/A1/I" + address + "/Rtundra/Wlantern/ETRUE/V1/P161").toStdString()));
        LaunchParams::setTimeoutText("3000");
    }

    static bool AnyPortLit(const CDeviceDlg& window)
    {
        for (int p = 1; p <= kPorts; ++p)
            if (window.Board().PortState(p) <= 1)
                return true;
        return false;
    }

    // ifOperStatus by port, read with net-snmp's own snmpwalk.
    static std::map<int, int> OperStatusByPort(const QString& address)
    {
        QProcess walk;
        walk.start(QStringLiteral("snmpwalk"), {"-v1", "-c", "tundra", "-m", "", "-On", "-Oq", "-r", "0", "-t", "2",
                                                address, "1.3.6.1.2.1.2.2.1.8"});
        walk.waitForFinished(10000);
        std::map<int, int> status;
        for (const QByteArray& line : walk.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.trimmed().split(' ');
            if (parts.size() == 2)
                status[parts[0].mid(parts[0].lastIndexOf('.') + 1).toInt()] = parts[1].toInt();
        }
        return status;
    }
};

TEST_P(DevicePanelSmokeTest, DrawsThePortsTheSwitchReports)
{
    SimulatedSwitch sim({"--model", GetParam().name});
    ASSERT_TRUE(sim.Start());
    UseAddress(sim.Address());
    ScriptedMessageBox boxes;
    CDeviceDlg window;
    window.show();
    ASSERT_TRUE(window.ProfileRead());
    ASSERT_TRUE(QTest::qWaitFor([&] { return AnyPortLit(window); }, 10000));
    // Grab while the green lamps are on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Board().blinkPhase == 0; }, 1000));

    const std::map<int, int> oper = OperStatusByPort(sim.Address());
    ASSERT_EQ(oper.count(kPorts), 1u);
    for (int p = 1; p <= kPorts; ++p) {
        const bool lit = window.Board().PortState(p) <= 1;
        EXPECT_EQ(lit, oper.at(p) == 1) << "port " << p;
    }

    const int phase = window.Board().blinkPhase;
    const QImage grab = window.View()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString png = QStringLiteral(PANEL_GRAB_DIR "/%1").arg(QLatin1String(GetParam().png));
    EXPECT_TRUE(grab.save(png)) << png.toStdString();
    ASSERT_EQ(grab.size(), window.Root().GetRect().size());

    // Every port shows the picture of its state, read here from its own file.
    for (int n = 0; CPort* port = window.PortObject(n); ++n) {
        const QImage picture = QImage(port->GetStatePicture(port->GetState())).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(picture.isNull()) << n;
        const QRect r = port->GetRect();
        EXPECT_EQ(grab.copy(r), picture.scaled(r.size())) << "object " << n << " state " << port->GetState();
    }
    // Every port lamp shows the picture the device window's lamp rules give its state in this
    // blink phase.
    const PanelLampPainter painter(window.Board(), GetParam().name);
    const auto lamps = painter.PortLamps([&](int object) -> std::optional<QPoint> {
        const CPort* port = window.PortObject(object);
        const VirtualDev* lamp = port ? port->GetChild(0) : nullptr;
        return lamp ? std::optional<QPoint>(lamp->GetRect().topLeft()) : std::nullopt;
    });
    EXPECT_FALSE(lamps.empty());
    // Lamps are painted in order: the last one at a point is what shows there.
    std::map<std::pair<int, int>, int> shown;
    for (const PanelLampPainter::Lamp& lamp : lamps)
        shown[{lamp.at.x(), lamp.at.y()}] = lamp.bitmapId;
    for (const auto& [at, bitmapId] : shown) {
        const QImage picture = QImage(PanelResources::BitmapPath(bitmapId)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(picture.isNull()) << bitmapId;
        EXPECT_EQ(grab.copy(QRect(QPoint(at.first, at.second), picture.size())), picture)
            << "lamp " << bitmapId << " at " << at.first << "," << at.second << " phase " << phase;
    }
    EXPECT_TRUE(boxes.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Models, DevicePanelSmokeTest,
                         testing::Values(Model{"SORVEX-A B1", "", "device-window-SORVEX-A-B1.png"},
                                         Model{"SORVEX-AP B1", "profiles/SORVEX-AP-B1", "device-window-SORVEX-AP-B1.png"}),
                         [](const testing::TestParamInfo<Model>& info) { return info.index == 0 ? "A" : "AP"; });

class DevicePanelLiveTest : public DevicePanelSmokeTest {};

TEST_P(DevicePanelLiveTest, FollowsLinkChangesAndTheSwitchGoingAwayAndComingBack)
{
    CPanelDeviceThread::Timing timing;
    timing.intervals = 2; // short cycles; the queries keep their time-outs
    CPanelDeviceThread::SetTiming(timing);
    SimulatedSwitch sim({"--model", GetParam().name, "--live", "--live-interval-ms", "500"});
    ASSERT_TRUE(sim.Start());
    UseAddress(sim.Address());
    ScriptedMessageBox boxes;
    CDeviceDlg window;
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return AnyPortLit(window); }, 10000));

    auto snapshot = [&] {
        std::vector<int> states;
        for (int p = 1; p <= kPorts; ++p)
            states.push_back(window.Board().PortState(p) + 10 * window.Board().RunsOnFibre(p));
        return states;
    };
    const std::vector<int> first = snapshot();
    EXPECT_TRUE(QTest::qWaitFor([&] { return snapshot() != first; }, 10000)) << "a link change shows";

    sim.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Board().reachable == 0; }, 15000));
    for (int p = 1; p <= kPorts; ++p)
        EXPECT_EQ(window.Board().PortState(p), 3) << p;

    ASSERT_TRUE(sim.Start());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Board().reachable == 1 && AnyPortLit(window); }, 20000));
}

INSTANTIATE_TEST_SUITE_P(Models, DevicePanelLiveTest,
                         testing::Values(Model{"SORVEX-A B1", "", ""}),
                         [](const testing::TestParamInfo<Model>&) { return "A"; });

QStringList g_traceLines;
std::mutex g_traceMutex;

void KeepTraceLine(QtMsgType, const QMessageLogContext&, const QString& line)
{
    std::lock_guard lock(g_traceMutex);
    g_traceLines << line;
}

// Addresses the transport cannot open: the polling goes on, each of its walks ends with -1 (the
// panel shows the switch unreachable), and the window closes at once.
TEST(DevicePanelUnopenableAddress, PollsOnSeesNoSwitchAndClosesAtOnce)
{
    CPanelDeviceThread::Timing timing;
    timing.intervals = 2;
    CPanelDeviceThread::SetTiming(timing);
    QLoggingCategory::setFilterRules(QStringLiteral("sorvex.trace=true"));
    const QtMessageHandler previous = qInstallMessageHandler(KeepTraceLine);
    for (const char* address : {"127.0.0.1:99999", "nosuchhost.invalid", "127.0.0.1:16x"}) {
        SCOPED_TRACE(address);
        {
            std::lock_guard lock(g_traceMutex);
            g_traceLines.clear();
        }
        LaunchParams::setCurrent(
            LaunchParams::parse(std::string("/A1/I") + address + "/Rtundra/Wlantern/ETRUE/V1/P161"));
        ScriptedMessageBox boxes;
        auto window = std::make_unique<CDeviceDlg>();
        window->show();
        const auto failedWalks = [] {
            std::lock_guard lock(g_traceMutex);
            return g_traceLines.count(QStringLiteral("call back get status = -1"));
        };
        EXPECT_TRUE(QTest::qWaitFor([&] { return failedWalks() >= 2; }, 10000)) << "walks that ended with -1";
        EXPECT_EQ(window->Board().reachable, 0);
        QElapsedTimer clock;
        clock.start();
        window.reset();
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_TRUE(boxes.texts().isEmpty());
    }
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QStringLiteral("sorvex.trace=false"));
    CPanelDeviceThread::SetTiming({});
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    snmp::SnmpInit("sorvex-e2e");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
