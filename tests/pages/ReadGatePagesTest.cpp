// A failed or timed-out read never feeds a write: Apply stays disabled, Refresh reads again, and
// Apply opens once a read has succeeded.

#include "PageTestSupport.h"

#include "CPortSetInfo.h"
#include "CSyslogDlg.h"
#include "CSystemInfoDlg.h"
#include "DeviceOids.h"

#include <functional>

namespace {

namespace deviceoid = snmp::deviceoid;

struct PageCase {
    const char* name;
    std::function<std::unique_ptr<CPageDialog>()> make;
    int refreshId, applyId;
};

struct FaultCase {
    const char* name;
    std::string object; // "" for every request
    snmp::MemoryAgent::Fault fault;
};

class ReadGatePages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        LaunchParams::setTimeoutText("300"); // a silent switch times out quickly
        for (int o : {deviceoid::SyslogUdpPort, deviceoid::SyslogSeverity, deviceoid::SyslogFacility,
                      deviceoid::SyslogState})
            agent->setInteger(deviceoid::syslog(o), o == deviceoid::SyslogState ? 1 : 4);
        agent->set(snmp::VarBind::ipAddress(deviceoid::syslog(deviceoid::SyslogHost), std::string{10, 0, 0, 9}));
        for (int i = 1; i <= 6; ++i)
            agent->setOctets("1.3.6.1.2.1.1." + std::to_string(i) + ".0", "x");
        for (int p = 1; p <= 28; ++p) {
            for (int column : {deviceoid::PortConfigSpeed, deviceoid::PortOperMode, deviceoid::PortFlowControl,
                               deviceoid::PortOperFlowControl, deviceoid::PortMedia})
                agent->setInteger(deviceoid::portColumn(column) + "." + std::to_string(p), 1);
            agent->setInteger(deviceoid::portDefaultPriority + "." + std::to_string(p), 1);
        }
        agent->setOctets(deviceoid::linkMembers + ".1", std::string("\xC0\x00\x00\x00", 4));
    }
};

TEST_F(ReadGatePages, ApplyStaysDisabledAfterAFailedOrTimedOutReadAndNothingIsWritten)
{
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    const PageCase pages[] = {
        {"syslog", [] { return std::make_unique<CSyslogDlg>(); }, CSyslogDlg::IdRefresh, CSyslogDlg::IdApply},
        {"system information", [] { return std::make_unique<CSystemInfoDlg>(); }, CSystemInfoDlg::IdRefresh,
         CSystemInfoDlg::IdApply},
        {"port configuration", [] { return std::make_unique<CPortSetInfo>(); }, CPortSetInfo::IdRefresh,
         CPortSetInfo::IdApply},
    };
    const FaultCase faults[] = {
        {"refused", "", refused},
        {"silent", "", silent},
        // Port Configuration's checks also use the links: a silent link walk alone keeps Apply shut.
        {"silent link walk", deviceoid::linkMembers, silent},
    };
    for (const PageCase& p : pages) {
        for (const FaultCase& f : faults) {
            SCOPED_TRACE(std::string(p.name) + ", " + f.name);
            agent->clearFaults();
            agent->clearRequests();
            if (f.object.empty())
                agent->setDefaultFault(f.fault);
            else
                agent->setObjectFault(f.object, f.fault);
            auto page = p.make();
            ASSERT_TRUE(openAndWait(*page, p.refreshId, 10000)); // the port walk waits 8 s per request
            auto* apply = controlOf<QPushButton>(page.get(), p.applyId);
            const bool linkFaultOnly = !f.object.empty();
            const bool pageReadsLinks = p.applyId == CPortSetInfo::IdApply;
            EXPECT_EQ(apply->isEnabled(), linkFaultOnly && !pageReadsLinks);
            EXPECT_TRUE(agent->requestsOfType(snmp::PduType::Set).empty());

            agent->clearFaults();
            clickButton(page.get(), p.refreshId);
            EXPECT_TRUE(waitUntil([&] { return apply->isEnabled(); }));
            EXPECT_TRUE(agent->requestsOfType(snmp::PduType::Set).empty());
            EXPECT_TRUE(boxes.texts().isEmpty());
        }
    }
}

} // namespace
