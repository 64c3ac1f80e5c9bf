// ARP Spoofing Prevention: the list of active entries, Delete, the 64-entry limit, and the add
// page's checks in their order and its create, columns and activation.

#include "SecurityPageSupport.h"

#include "CArpSpoofingAddDlg.h"
#include "CArpSpoofingDlg.h"
#include "CIpAddressEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

using namespace std::string_literals;

namespace {

using ListId = CArpSpoofingDlg::ControlId;
using AddId = CArpSpoofingAddDlg::ControlId;

std::string arpColumn(int column, const std::string& ip)
{
    return deviceObject("14.3.1.1." + std::to_string(column) + "." + ip);
}

std::string ipOctets(int a, int b, int c, int d)
{
    return std::string{char(a), char(b), char(c), char(d)};
}

const QString confirmation = "Make sure the host IP and MAC exists or you will lose the connection.";

class ArpSpoofingPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        entry("192.0.2.1", ipOctets(192, 0, 2, 1), "\x00\x1b\x21\x0a\x00\x01", "\xff\xff\xff\x00", 1);
        entry("192.0.2.7", ipOctets(192, 0, 2, 7), "\x00\x1b\x21\x0a\x00\x07", "\x80\x00\x00\x00", 2);
        // Twelve octets: only the first eight count, and of those only ports 1 ... 28.
        entry("198.51.100.1", ipOctets(198, 51, 100, 1), "\x00\x00\x5e\x00\x53\xab",
              std::string("\x80\x00\x00\x10\xff\xff\xff\xff\xff\xff\xff\xff", 12), 1);
        // Two octets: the ports of what arrived.
        entry("203.0.113.9", ipOctets(203, 0, 113, 9), "\x02\x00\x00\x00\x00\x09", "\xc0\x01", 1);
        agent->setOctets(deviceObject("8.1.3.1.2.1"), std::string("\x0c\x00\x00\x00", 4)); // ports 5 and 6
    }
    void entry(const std::string& ip, const std::string& address, const char* mac, const std::string& ports, int status)
    {
        agent->set(snmp::VarBind::ipAddress(arpColumn(1, ip), address));
        agent->setOctets(arpColumn(2, ip), std::string(mac, 6));
        agent->setOctets(arpColumn(3, ip), ports);
        agent->setInteger(arpColumn(4, ip), status);
    }
    std::unique_ptr<CArpSpoofingAddDlg> openAddPage(std::vector<ArpSpoofingEntry> listed = {})
    {
        auto page = std::make_unique<CArpSpoofingAddDlg>(std::move(listed));
        EXPECT_TRUE(openAndWait(*page, AddId::IdApply));
        agent->clearRequests();
        return page;
    }
    void fill(QWidget* page, const char* ip, const char* mac, std::initializer_list<int> ports)
    {
        controlOf<CIpAddressEdit>(page, AddId::IdIp)->setText(QString::fromLatin1(ip));
        controlOf<QLineEdit>(page, AddId::IdMac)->setText(QString::fromLatin1(mac));
        for (int port : ports)
            controlOf<QCheckBox>(page, AddId::IdFirstPortBox + port - 1)->click();
    }
};

TEST_F(ArpSpoofingPage, ListsTheActiveEntriesWithTheirPortsAsRanges)
{
    CArpSpoofingDlg page;
    ASSERT_TRUE(openAndWait(page, ListId::IdAdd));
    EXPECT_EQ(page.windowTitle(), "ARP Spoofing Prevention Setting");
    EXPECT_EQ(listHeaders(&page, ListId::IdList), (QStringList{"Index", "Router/Gateway IP Address",
                                                               "Router/Gateway MAC Address", "Ports"}));
    EXPECT_EQ(listRows(&page, ListId::IdList),
              (std::vector<QStringList>{{"1", "192.0.2.1", "00-1B-21-0A-00-01", "1-24"},
                                        {"2", "198.51.100.1", "00-00-5E-00-53-AB", "1,28"},
                                        {"3", "203.0.113.9", "02-00-00-00-00-09", "1-2,16"}}));
    EXPECT_EQ(controlOf<QLabel>(&page, ListId::IdTotal)->text(), "3");
}

TEST_F(ArpSpoofingPage, DeleteNeedsARowThenDestroysItsEntryAndReadsAgain)
{
    CArpSpoofingDlg page;
    ASSERT_TRUE(openAndWait(page, ListId::IdDelete));
    agent->clearRequests();
    clickButton(&page, ListId::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the entry you would be delete!"});
    EXPECT_TRUE(setRequests(*agent).empty());

    controlOf<CListView>(&page, ListId::IdList)->selectRow(1);
    clickButton(&page, ListId::IdDelete);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(arpColumn(4, "198.51.100.1"), 6)}});
    ASSERT_TRUE(openAndWait(page, ListId::IdDelete));
    EXPECT_EQ(listRows(&page, ListId::IdList).size(), 2u);
    EXPECT_EQ(controlOf<QLabel>(&page, ListId::IdTotal)->text(), "2");
}

TEST_F(ArpSpoofingPage, AddIsRefusedWithSixtyFourEntriesListed)
{
    for (int i = 1; i <= 61; ++i)
        entry("10.0.0." + std::to_string(i), ipOctets(10, 0, 0, i), "\x00\x00\x00\x00\x00\x01", "\x80", 1);
    CArpSpoofingDlg page;
    ASSERT_TRUE(openAndWait(page, ListId::IdAdd));
    ASSERT_EQ(listRows(&page, ListId::IdList).size(), 64u);
    clickButton(&page, ListId::IdAdd);
    EXPECT_EQ(boxes.texts(), QStringList{"The Maximum of Entry is 64, can not add any more"});
    EXPECT_EQ(shownDialog("dlg197", 200), nullptr);
}

TEST_F(ArpSpoofingPage, AddPageChecksTheListedEntriesAndTheListIsReadAgainAfterIt)
{
    CArpSpoofingDlg page;
    ASSERT_TRUE(openAndWait(page, ListId::IdAdd));
    agent->clearRequests();
    QStringList shown;
    QTimer::singleShot(nestedPageDelayMs, [&] {
        QDialog* add = shownDialog("dlg197");
        ASSERT_NE(add, nullptr);
        ASSERT_TRUE(openAndWait(*add, AddId::IdApply));
        EXPECT_EQ(add->windowTitle(), "Add ARP Spoofing Prevention Entry");
        fill(add, "192.0.2.1", "00-1b-21-0a-00-01", {3});
        clickButton(add, AddId::IdApply);
        controlOf<QLineEdit>(add, AddId::IdMac)->setText(QStringLiteral("00-1B-21-0A-00-02"));
        clickButton(add, AddId::IdApply);
        shown = boxes.texts();
        clickButton(add, AddId::IdCancel);
    });
    clickButton(&page, ListId::IdAdd);
    EXPECT_EQ(shown, (QStringList{"Duplicate MAC and IP.", "Duplicate IP."}));
    EXPECT_TRUE(setRequests(*agent).empty());
    ASSERT_TRUE(openAndWait(page, ListId::IdAdd));
    EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
}

TEST_F(ArpSpoofingPage, AddPageChecksRunInOrderAndWriteNothingWhenOneFails)
{
    const QString format = "Please enter correct MAC format(ex:00-00-00-00-00-01)";
    struct Case {
        const char* ip;
        const char* mac;
        std::initializer_list<int> ports;
        QStringList messages;
    };
    const Case cases[] = {
        {"", "00-1B-21-0A-00-09", {3}, {"Multicast IP is not allowed"}},
        {"224.0.0.1", "00-1B-21-0A-00-09", {3}, {"Multicast IP is not allowed"}},
        {"10.1.2.255", "00-1B-21-0A-00-09", {3}, {"Multicast IP is not allowed"}},
        {"10.1.2.3", "00-1B-21-0A-00-9", {3}, {format}},
        {"10.1.2.3", "00:1B:21:0A:00:09", {3}, {format}},
        {"10.1.2.3", "00-00-00-00-00-00", {3}, {format}},
        {"10.1.2.3", "00-1B-21-0A-00-0G", {3}, {format}},
        {"10.1.2.3", "ff-FF-ff-FF-ff-FF", {3}, {"Broadcast MAC is not allowed."}},
        {"10.1.2.3", "01-00-5E-00-00-01", {3}, {"Multicast MAC address is not allowed."}},
        {"192.0.2.1", "00-1B-21-0A-00-09", {3}, {"Duplicate IP."}},
        {"10.1.2.3", "00-1B-21-0A-00-09", {}, {"Invalid Port Number"}},
        {"10.1.2.3", "00-1B-21-0A-00-09", {3, 5}, {"ARP Spoofing Prevention enabled port must match to the aggregated link port."}},
        {"10.1.2.3", "00-1B-21-0A-00-09", {3, 5, 6}, {confirmation}}, // Cancel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ip) + " " + c.mac);
        auto page = openAddPage({{"192.0.2.1", "00-1B-21-0A-00-01", ".192.0.2.1"}});
        boxes.clear();
        fill(page.get(), c.ip, c.mac, c.ports);
        clickButton(page.get(), AddId::IdApply);
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_TRUE(setRequests(*agent).empty());
        EXPECT_TRUE(page->isVisible());
    }
}

TEST_F(ArpSpoofingPage, AddCreatesTheEntryWritesMacAndPortsThenActivatesIt)
{
    struct Case {
        const char* model;
        int create;
    };
    for (const Case& c : {Case{"SORVEX-A B1", 5}, Case{"SORVEX-BP B1", 4}}) {
        SCOPED_TRACE(c.model);
        DeviceProfile profile;
        profile.DeviceName = c.model;
        DeviceProfile::setCurrent(profile);
        auto page = openAddPage();
        boxes.answerQuestions({true});
        fill(page.get(), "10.1.2.3", "00-1b-21-0A-00-09", {1, 2, 28});
        clickButton(page.get(), AddId::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{confirmation});
        EXPECT_EQ(setRequests(*agent), (SetTexts{{intBind(arpColumn(4, "10.1.2.3"), c.create)},
                                                 {octetBind(arpColumn(2, "10.1.2.3"), "\x00\x1b\x21\x0a\x00\x09"s)},
                                                 {octetBind(arpColumn(3, "10.1.2.3"), "\xc0\x00\x00\x10"s)},
                                                 {intBind(arpColumn(4, "10.1.2.3"), 1)}}));
        EXPECT_FALSE(page->isVisible());
        boxes.clear();
    }
}

TEST_F(ArpSpoofingPage, AllPortsTicksEveryBoxAndARefusedCreateWritesNothingMore)
{
    auto page = openAddPage();
    snmp::MemoryAgent::Fault taken;
    taken.errorStatus = snmp::ErrorStatus::InconsistentValue; // the index holds an entry already
    agent->setObjectFault(arpColumn(4, "10.1.2.3"), taken);
    boxes.answerQuestions({true});
    fill(page.get(), "10.1.2.3", "00-1B-21-0A-00-09", {});
    controlOf<QCheckBox>(page.get(), AddId::IdAllPorts)->click();
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), AddId::IdFirstPortBox + 27)->isChecked());
    clickButton(page.get(), AddId::IdApply);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(arpColumn(4, "10.1.2.3"), 5)}});
}

TEST_F(ArpSpoofingPage, AFailedColumnWriteDestroysTheRowItCreated)
{
    auto page = openAddPage();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::WrongLength;
    agent->setObjectFault(arpColumn(3, "10.1.2.3"), refused);
    boxes.answerQuestions({true});
    fill(page.get(), "10.1.2.3", "00-1B-21-0A-00-09", {4});
    clickButton(page.get(), AddId::IdApply);
    const SetTexts sent = setRequests(*agent);
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[2], std::vector<std::string>{octetBind(arpColumn(3, "10.1.2.3"), "\x10\x00\x00\x00"s)});
    EXPECT_EQ(sent[3], std::vector<std::string>{intBind(arpColumn(4, "10.1.2.3"), 6)});
    EXPECT_FALSE(page->isVisible());
}

} // namespace
