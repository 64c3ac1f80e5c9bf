#include "DeviceWindowFixture.h"

#include "Enterprise.h"
#include "LaunchParams.h"
#include "SnmpTransport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

std::string oid::Device(const std::string& tail)
{
    return std::string(snmp::DEVICE_MIB) + "." + tail;
}

void DeviceWindowTest::SetUp()
{
    ASSERT_TRUE(profileDir.isValid());
    agent = std::make_shared<snmp::MemoryAgent>();
    snmp::setTransport(agent);
    LaunchParams::setCurrent(LaunchParams::parse("/A1/I127.0.0.1:16199/Rtundra/Wlantern/ETRUE/V1/P161"));
    LaunchParams::setTimeoutText("3000");
    CPanelDeviceThread::Timing timing;
    timing.startPauseMs = 5;
    timing.intervalMsV1 = 20;
    timing.intervals = 2;
    CPanelDeviceThread::SetTiming(timing);
    qputenv("SORVEX_PROFILE_DIR", profileDir.path().toLocal8Bit());
    previousLauncher = ToolLauncher::Install(&launcher);
}

void DeviceWindowTest::TearDown()
{
    ToolLauncher::Install(previousLauncher);
    qunsetenv("SORVEX_PROFILE_DIR");
    CPanelDeviceThread::SetTiming({});
    snmp::setTransport(nullptr);
}

void DeviceWindowTest::WriteProfile(const char* deviceName, const char* xmlName, bool hasFan)
{
    QFile file(profileDir.filePath(QStringLiteral("User.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QStringLiteral("[DeviceInfo]\nDeviceName=%1\nDevicePortNum=28\nComboPortNum=4\nComboPortIndex=25\n"
                              "XMLName=%2\nIsAllGiga=N\nIsHasFan=%3\n")
                   .arg(QLatin1String(deviceName), QLatin1String(xmlName), QLatin1String(hasFan ? "Y" : "N"))
                   .toUtf8());
}

void DeviceWindowTest::SeedSwitch()
{
    // port: admin, oper, speed, media. Port 25 runs on its fibre side; port 5 reports fibre media
    // although it has none.
    for (int p = 1; p <= kPorts + 2; ++p) {
        const std::string i = "." + std::to_string(p);
        int admin = 1, oper = 1, media = 1;
        uint64_t speed = p >= 25 ? 1000000000 : 100000000;
        if (p == 2)
            speed = 10000000;
        if (p == 4)
            admin = 2;
        if (p == 6 || p == 28)
            oper = 2;
        if (p == 5 || p == 25)
            media = 3;
        if (p == 26)
            speed = 100000000;
        agent->setInteger(oid::ifType + i, p <= kPorts ? 6 : 1);
        agent->setUnsigned(oid::ifSpeed + i, snmp::Ber::Gauge32, p <= kPorts ? speed : 0);
        agent->setInteger(oid::ifAdmin + i, admin);
        agent->setInteger(oid::ifOper + i, oper);
        if (p <= kPorts)
            agent->setInteger(oid::Device("1.13.1.7") + i, media);
    }
    agent->setInteger(oid::Device("25.1.0"), 1);
    agent->setInteger(oid::Device("1.15.1.0"), 1);
    agent->setInteger(oid::Device("1.9.0"), 0);
    agent->setInteger(oid::Device("1.10.0"), 0);
}

void DeviceWindowTest::SeedPoe(int ledMode)
{
    agent->setInteger(oid::Device("22.8.0"), ledMode);
    agent->setOctets(oid::Device("22.6.0"), "110.5");
    for (int p = 1; p <= 24; ++p)
        agent->setOctets(oid::Device("22.1.1.13.1." + std::to_string(p)), p % 3 == 0 ? "POWER OFF" : "POWER ON");
    agent->setInteger(oid::Device("22.1.1.14.1.1"), 0); // the next column ends the walk
}

std::unique_ptr<CDeviceDlg> DeviceWindowTest::Open()
{
    auto window = std::make_unique<CDeviceDlg>();
    window->show();
    return window;
}

bool DeviceWindowTest::WaitFor(const std::function<bool()>& condition, int ms)
{
    return QTest::qWaitFor(condition, ms);
}

bool DeviceWindowTest::WaitForAppliedWalk(CDeviceDlg& window, int ms)
{
    // A walk ending in the expected way starts the blink; port 1 is up in the seeded switch.
    return WaitFor([&] { return window.Board().PortState(1) != 3; }, ms);
}

int DeviceWindowTest::GetNextRequestsFor(const std::string& oid) const
{
    int n = 0;
    for (const auto& r : agent->requestsOfType(snmp::PduType::GetNext)) {
        if (!r.binds.empty() && r.binds[0].oid == oid)
            ++n;
    }
    return n;
}
