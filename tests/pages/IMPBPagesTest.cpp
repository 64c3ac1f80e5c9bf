// IP-MAC-port binding: Smart Binding Settings, Smart Binding (manual binding, scan, binding of a
// found host), White List and Black List against the in-memory agent.

#include "SecurityPageSupport.h"

#include "CIMPBBlackList.h"
#include "CIMPBSettings.h"
#include "CIMPBSmartBinding.h"
#include "CIMPBWhiteList.h"
#include "CIpAddressEdit.h"

#include <QLabel>
#include <QLineEdit>

using namespace std::string_literals;

namespace {

std::string binding(const std::string& tail)
{
    return deviceObject("14.10." + tail);
}

const std::string hostMac = "\x00\x1b\x21\x0a\x00\x10"s;
const std::string hostMacIndex = ".0.27.33.10.0.16";

class IMPBPages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        for (int p = 1; p <= 28; ++p) {
            const std::string index = "." + std::to_string(p);
            agent->setInteger(binding("1.1.1" + index), p);
            agent->setInteger(binding("1.1.2" + index), p == 3 ? 1 : 0);
            agent->setInteger(binding("1.1.3" + index), p == 3 ? 0 : 1);
            agent->setInteger(binding("1.1.4" + index), p == 3 ? 1 : 0);
        }
        agent->setOctets(deviceObject("8.1.3.1.2.1"), "\x03\x00\x00\x00"s); // ports 7 and 8
        scanResult(hostMac, hostMacIndex, 3, "\xc0\x00\x02\x14"s, ".192.0.2.20", 1, 0);
        scanResult("\x00\x1b\x21\x0a\x00\x11"s, ".0.27.33.10.0.17", 5, "\xc0\x00\x02\x15"s, ".192.0.2.21", 100, 1);
        whiteListEntry(".192.0.2.21.0.27.33.10.0.17", "\xc0\x00\x02\x15"s, "\x00\x1b\x21\x0a\x00\x11"s, "\x08\x00\x00\x00"s, 1);
        whiteListEntry(".192.0.2.22.0.27.33.10.0.18", "\xc0\x00\x02\x16"s, "\x00\x1b\x21\x0a\x00\x12"s, "\x04\x00\x00\x00"s, 2);
        blackListEntry(".0.27.33.10.0.153.1.7", "\x00\x1b\x21\x0a\x00\x99"s, 1, 7, "\xc0\x00\x02\x63"s);
        blackListEntry(".0.27.33.10.0.154.5.9", "\x00\x1b\x21\x0a\x00\x9a"s, 5, 9, "\xc0\x00\x02\x64"s);
    }
    void scanResult(const std::string& mac, const std::string& macIndex, int port, const std::string& ip,
                    const std::string& ipIndex, int vid, int bound)
    {
        const std::string index = macIndex + "." + std::to_string(port) + ipIndex;
        agent->setOctets(binding("2.1.1" + index), mac);
        agent->setInteger(binding("2.1.2" + index), port);
        agent->set(snmp::VarBind::ipAddress(binding("2.1.3" + index), ip));
        agent->setInteger(binding("2.1.4" + index), vid);
        agent->setInteger(binding("2.1.5" + index), bound);
    }
    void whiteListEntry(const std::string& index, const std::string& ip, const std::string& mac, const std::string& ports,
                        int status)
    {
        agent->set(snmp::VarBind::ipAddress(binding("3.1.1" + index), ip));
        agent->setOctets(binding("3.1.2" + index), mac);
        agent->setOctets(binding("3.1.3" + index), ports);
        agent->setInteger(binding("3.1.4" + index), status);
    }
    void blackListEntry(const std::string& index, const std::string& mac, int vid, int port, const std::string& ip)
    {
        agent->setOctets(binding("4.1.1" + index), mac);
        agent->setInteger(binding("4.1.2" + index), vid);
        agent->setInteger(binding("4.1.3" + index), port);
        agent->set(snmp::VarBind::ipAddress(binding("4.1.4" + index), ip));
        agent->setInteger(binding("4.1.5" + index), 0);
    }
    template <class Page>
    std::unique_ptr<Page> open(int readyButton)
    {
        auto page = std::make_unique<Page>();
        EXPECT_TRUE(openAndWait(*page, readyButton));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
};

using SettingsId = CIMPBSettings::ControlId;
using BindingId = CIMPBSmartBinding::ControlId;
using ListId = CIMPBListDlg::ControlId;

TEST_F(IMPBPages, SettingsListEveryPort)
{
    auto page = open<CIMPBSettings>(SettingsId::IdApply);
    EXPECT_EQ(page->windowTitle(), "Smart Binding Settings");
    EXPECT_EQ(listHeaders(page.get(), SettingsId::IdList),
              (QStringList{"Port", "Admin State", "Also inspect IP packets", "DHCP Snooping"}));
    const auto rows = listRows(page.get(), SettingsId::IdList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[0], (QStringList{"1", "Disabled", "Disabled", "Disabled"}));
    EXPECT_EQ(rows[2], (QStringList{"3", "Enabled", "Enabled", "Enabled"}));
}

TEST_F(IMPBPages, SettingsChecksAndTheirWrites)
{
    struct Case {
        int from, to, admin;
        QStringList messages;
        SetTexts written;
    };
    auto port = [](int p, int admin, int inspection, int snooping) {
        const std::string index = "." + std::to_string(p);
        return std::vector<std::string>{intBind(binding("1.1.2" + index), admin), intBind(binding("1.1.3" + index), inspection),
                                        intBind(binding("1.1.4" + index), snooping)};
    };
    const Case cases[] = {
        {1, 28, 1, {"This operation will cause device to out of control."}, {}},
        {5, 8, 1, {"Cannot add a port-security enabled port to an aggregated link."}, {}},
        {5, 8, 0, {}, {port(5, 0, 0, 1), port(6, 0, 0, 1), port(7, 0, 0, 1), port(8, 0, 0, 1)}},
        {1, 28, 0, {}, {}},
        {27, 28, 1, {}, {port(27, 1, 0, 1), port(28, 1, 0, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + "-" + std::to_string(c.to));
        auto page = open<CIMPBSettings>(SettingsId::IdApply);
        chooseItem(controlOf<QComboBox>(page.get(), SettingsId::IdFromPort), c.from - 1);
        chooseItem(controlOf<QComboBox>(page.get(), SettingsId::IdToPort), c.to - 1);
        controlOf<QComboBox>(page.get(), SettingsId::IdAdmin)->setCurrentIndex(c.admin);
        controlOf<QComboBox>(page.get(), SettingsId::IdInspection)->setCurrentIndex(1);
        controlOf<QComboBox>(page.get(), SettingsId::IdSnooping)->setCurrentIndex(1);
        clickButton(page.get(), SettingsId::IdApply);
        EXPECT_EQ(boxes.texts(), c.messages);
        if (c.from != 1 || c.to != 28) {
            EXPECT_EQ(setRequests(*agent), c.written);
        } else if (c.admin == 1) {
            EXPECT_EQ(controlOf<QComboBox>(page.get(), SettingsId::IdAdmin)->currentText(), "Disabled");
        } else {
            EXPECT_EQ(setRequests(*agent).size(), 28u);
        }
    }
}

TEST_F(IMPBPages, SettingsToBelowFromGoesBackToFrom)
{
    auto page = open<CIMPBSettings>(SettingsId::IdApply);
    auto* to = controlOf<QComboBox>(page.get(), SettingsId::IdToPort);
    chooseItem(controlOf<QComboBox>(page.get(), SettingsId::IdFromPort), 2);
    chooseItem(to, 1);
    EXPECT_EQ(boxes.texts(), QStringList{"'To Port' can not be smaller than 'From Port'"});
    EXPECT_EQ(to->currentText(), "3");
}

TEST_F(IMPBPages, SmartBindingListsTheScanResults)
{
    auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
    EXPECT_EQ(page->windowTitle(), "Smart Binding");
    EXPECT_EQ(listHeaders(page.get(), BindingId::IdList),
              (QStringList{"VID", "IP Address", "Mac Address", "Port", "Binding"}));
    EXPECT_EQ(listRows(page.get(), BindingId::IdList),
              (std::vector<QStringList>{{"1", "192.0.2.20", "00-1B-21-0A-00-10", "3", "Not Bound"},
                                        {"100", "192.0.2.21", "00-1B-21-0A-00-11", "5", "Bound"}}));
}

TEST_F(IMPBPages, ManualBindingChecksThenCreatesTheWhiteListEntry)
{
    struct Case {
        const char* ip; // nullptr: three fields filled
        const char* mac;
        const char* port;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, "00-1B-21-0A-00-30", "4", "Invalid IP Address."},
        {"10.0.0.0", "00-1B-21-0A-00-30", "4", "Invalid IP Address."},
        {"10.1.2.3", "00-1B-21-0A-00-3", "4", "Please enter correct MAC format(ex:00-00-00-00-00-01)"},
        {"10.1.2.3", "01-00-5E-00-00-01", "4", "Multicast MAC is not allowed."},
        {"10.1.2.3", "00-1B-21-0A-00-30", "0", "Invalid port number."},
        {"10.1.2.3", "00-1B-21-0A-00-30", "29", "Invalid port number."},
        {"10.1.2.3", "00-1B-21-0A-00-30", "", "Invalid port number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
        auto* ip = controlOf<CIpAddressEdit>(page.get(), BindingId::IdIp);
        ip->setText(QStringLiteral("10.1.2.3"));
        if (c.ip)
            ip->setText(QString::fromLatin1(c.ip));
        else
            ip->field(0)->clear();
        controlOf<QLineEdit>(page.get(), BindingId::IdMac)->setText(QString::fromLatin1(c.mac));
        controlOf<QLineEdit>(page.get(), BindingId::IdPort)->setText(QString::fromLatin1(c.port));
        clickButton(page.get(), BindingId::IdAdd);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(setRequests(*agent).empty());
    }

    auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
    controlOf<CIpAddressEdit>(page.get(), BindingId::IdIp)->setText(QStringLiteral("10.1.2.3"));
    controlOf<QLineEdit>(page.get(), BindingId::IdMac)->setText(QStringLiteral("00-1b-21-0A-00-30"));
    controlOf<QLineEdit>(page.get(), BindingId::IdPort)->setText(QStringLiteral("28"));
    clickButton(page.get(), BindingId::IdAdd);
    const std::string index = ".10.1.2.3.0.27.33.10.0.48";
    EXPECT_EQ(setRequests(*agent), (SetTexts{{intBind(binding("3.1.4" + index), 5)},
                                             {octetBind(binding("3.1.3" + index), "\x00\x00\x00\x10"s)},
                                             {intBind(binding("3.1.4" + index), 1)}}));
    EXPECT_EQ(boxes.texts(), QStringList{"Success!"});
}

TEST_F(IMPBPages, ManualBindingStopsAtARefusedStepWithoutActivatingOrSuccess)
{
    auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
    const std::string index = ".10.1.2.3.0.27.33.10.0.48";
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::WrongValue;
    agent->setObjectFault(binding("3.1.3" + index), refused);
    controlOf<CIpAddressEdit>(page.get(), BindingId::IdIp)->setText(QStringLiteral("10.1.2.3"));
    controlOf<QLineEdit>(page.get(), BindingId::IdMac)->setText(QStringLiteral("00-1B-21-0A-00-30"));
    controlOf<QLineEdit>(page.get(), BindingId::IdPort)->setText(QStringLiteral("1"));
    clickButton(page.get(), BindingId::IdAdd);
    EXPECT_EQ(setRequests(*agent), (SetTexts{{intBind(binding("3.1.4" + index), 5)},
                                             {octetBind(binding("3.1.3" + index), "\x80\x00\x00\x00"s)},
                                             {intBind(binding("3.1.4" + index), 6)}}));
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(IMPBPages, ScanChecksBothAddressesThenWritesTheRangeAndTheCommand)
{
    struct Case {
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"", "10.1.2.9", "Invalid From IP address !"},
        {"10.1.2.1", "", "Invalid To IP address !"},
        {"10.1.2.1", "10.1.2.255", "Invalid IP Address."},
    };
    for (const Case& c : cases) {
        auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
        controlOf<CIpAddressEdit>(page.get(), BindingId::IdScanFrom)->setText(QString::fromLatin1(c.from));
        controlOf<CIpAddressEdit>(page.get(), BindingId::IdScanTo)->setText(QString::fromLatin1(c.to));
        clickButton(page.get(), BindingId::IdScan);
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.message;
        EXPECT_TRUE(setRequests(*agent).empty());
    }
    auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
    controlOf<CIpAddressEdit>(page.get(), BindingId::IdScanFrom)->setText(QStringLiteral("10.1.2.1"));
    controlOf<CIpAddressEdit>(page.get(), BindingId::IdScanTo)->setText(QStringLiteral("10.1.2.9"));
    clickButton(page.get(), BindingId::IdScan);
    EXPECT_EQ(setRequests(*agent), (SetTexts{{binding("5.0") + "=64:\x0a\x01\x02\x01", binding("6.0") + "=64:\x0a\x01\x02\x09"},
                                             {intBind(binding("7.0"), 1)}}));
    ASSERT_TRUE(openAndWait(*page, BindingId::IdBind));
    EXPECT_EQ(listRows(page.get(), BindingId::IdList).size(), 2u);
}

TEST_F(IMPBPages, BindingNeedsAnUnboundRow)
{
    auto page = open<CIMPBSmartBinding>(BindingId::IdBind);
    clickButton(page.get(), BindingId::IdBind);
    controlOf<CListView>(page.get(), BindingId::IdList)->selectRow(1);
    clickButton(page.get(), BindingId::IdBind);
    EXPECT_EQ(boxes.texts(), (QStringList{"Please select the item would be Binding!\n", "The entry is bound."}));
    EXPECT_TRUE(setRequests(*agent).empty());
    controlOf<CListView>(page.get(), BindingId::IdList)->selectRow(0);
    clickButton(page.get(), BindingId::IdBind);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(binding("2.1.5" + hostMacIndex + ".3.192.0.2.20"), 1)}});
    ASSERT_TRUE(openAndWait(*page, BindingId::IdBind));
    EXPECT_EQ(listRows(page.get(), BindingId::IdList)[0][4], "Bound");
}

TEST_F(IMPBPages, WhiteListShowsActiveEntriesAndDestroysTheChosenOne)
{
    auto page = open<CIMPBWhiteList>(ListId::IdDelete);
    EXPECT_EQ(page->windowTitle(), "White List");
    EXPECT_EQ(listHeaders(page.get(), ListId::IdList), (QStringList{"IP Address", "Mac Address", "Port"}));
    EXPECT_EQ(listRows(page.get(), ListId::IdList), (std::vector<QStringList>{{"192.0.2.21", "00-1B-21-0A-00-11", "5"}}));
    EXPECT_EQ(controlOf<QLabel>(page.get(), ListId::IdTotal)->text(), "1");
    clickButton(page.get(), ListId::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the item would be delete!\n"});
    controlOf<CListView>(page.get(), ListId::IdList)->selectRow(0);
    clickButton(page.get(), ListId::IdDelete);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(binding("3.1.4.192.0.2.21.0.27.33.10.0.17"), 6)}});
}

TEST_F(IMPBPages, BlackListClearsAnEntryByTheIndexItWasReadUnder)
{
    auto page = open<CIMPBBlackList>(ListId::IdDelete);
    EXPECT_EQ(page->windowTitle(), "Black List");
    EXPECT_EQ(listHeaders(page.get(), ListId::IdList), (QStringList{"VID", "IP Address", "Mac Address", "Port"}));
    EXPECT_EQ(listRows(page.get(), ListId::IdList),
              (std::vector<QStringList>{{"1", "192.0.2.99", "00-1B-21-0A-00-99", "7"},
                                        {"5", "192.0.2.100", "00-1B-21-0A-00-9A", "9"}}));
    EXPECT_EQ(controlOf<QLabel>(page.get(), ListId::IdTotal)->text(), "2");
    // The second entry's index carries its VID where the first carries 1.
    const std::pair<int, std::string> deletions[] = {{0, ".0.27.33.10.0.153.1.7"}, {1, ".0.27.33.10.0.154.5.9"}};
    for (const auto& [row, index] : deletions) {
        agent->clearRequests();
        controlOf<CListView>(page.get(), ListId::IdList)->selectRow(row);
        clickButton(page.get(), ListId::IdDelete);
        EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(binding("4.1.5" + index), 1)}});
        ASSERT_TRUE(openAndWait(*page, ListId::IdDelete));
    }
}

} // namespace
