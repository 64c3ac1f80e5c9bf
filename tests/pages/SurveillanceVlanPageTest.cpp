// Auto Surveillance VLAN: the global settings with their checks, question and PoE notice, and the
// user-defined devices with every check, the create that is taken back when its columns are
// refused, and Delete.

#include "PageTestSupport.h"

#include "CSurveillanceVlanDlg.h"
#include "Enterprise.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

using Dlg = CSurveillanceVlanDlg;
using Sets = std::vector<std::vector<std::string>>;

std::string device(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2." + tail);
}
std::string integer(const std::string& oid, long long value)
{
    return oid + "=2:" + std::to_string(value);
}
std::string octets(const std::string& oid, const std::string& bytes)
{
    return oid + "=4:" + bytes;
}
std::string column(int c, const std::string& index)
{
    return device("26.2.1.1." + std::to_string(c)) + index;
}

// On in VLAN 100 at priority High, uplinks 25-26; voice VLAN 300 on; VLANs 1, 100, 200; ports 3
// and 4 form a link; the two built-in OUIs and one camera.
const char* const seed = R"(ENTERPRISE.10.75.5.2.26.1.1.0|2|1
ENTERPRISE.10.75.5.2.26.1.2.0|2|100
ENTERPRISE.10.75.5.2.26.1.3.0|2|1
ENTERPRISE.10.75.5.2.26.1.4.0|4x|000000c0
ENTERPRISE.10.75.5.2.7.5.0|2|2
ENTERPRISE.10.75.5.2.21.1.2.0|2|1
ENTERPRISE.10.75.5.2.21.1.3.0|2|300
ENTERPRISE.10.75.5.2.7.6.1.1.1|4|default
ENTERPRISE.10.75.5.2.7.6.1.1.100|4|cameras
ENTERPRISE.10.75.5.2.7.6.1.1.200|4|office
ENTERPRISE.10.75.5.2.8.1.3.1.2.1|4x|30000000
ENTERPRISE.10.75.5.2.21.2.1.1.1.0.96.185.0.0.0|4x|0060b9000000
ENTERPRISE.10.75.5.2.26.2.1.1.1.0.17.34.51.68.85|4x|001122334455
ENTERPRISE.10.75.5.2.26.2.1.1.1.10.92.49.0.0.0|4x|0a5c31000000
ENTERPRISE.10.75.5.2.26.2.1.1.1.14.147.66.0.0.0|4x|0e9342000000
ENTERPRISE.10.75.5.2.26.2.1.1.2.0.17.34.51.68.85|4|Lobby camera
ENTERPRISE.10.75.5.2.26.2.1.1.2.10.92.49.0.0.0|4|
ENTERPRISE.10.75.5.2.26.2.1.1.2.14.147.66.0.0.0|4|
ENTERPRISE.10.75.5.2.26.2.1.1.4.0.17.34.51.68.85|2|2
ENTERPRISE.10.75.5.2.26.2.1.1.4.10.92.49.0.0.0|2|5
ENTERPRISE.10.75.5.2.26.2.1.1.4.14.147.66.0.0.0|2|5
)";

class SurveillanceVlanPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        load(seed);
    }
    std::unique_ptr<Dlg> open()
    {
        auto page = std::make_unique<Dlg>();
        EXPECT_TRUE(openAndWait(*page, Dlg::IdApply));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    // Clicks and waits for the re-read that follows.
    void click(Dlg& page, int id)
    {
        clickButton(&page, id);
        EXPECT_TRUE(openAndWait(page, Dlg::IdApply));
    }
    Sets sets()
    {
        Sets texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    static QLineEdit* edit(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
    // The write of the global settings when switched on.
    static std::vector<std::string> globalWrite(int vlanId, int priority, const std::string& ports)
    {
        return {integer(device("26.1.2.0"), vlanId), integer(device("26.1.3.0"), priority),
                octets(device("26.1.4.0"), ports), integer(device("26.1.1.0"), 1)};
    }
    const std::string uplinks2526{"\x00\x00\x00\xC0", 4};
};

TEST_F(SurveillanceVlanPage, ReadShowsTheSettingsAndTheDevices)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "Auto Surveillance VLAN Settings");
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), Dlg::IdEnable)->isChecked());
    EXPECT_EQ(edit(page.get(), Dlg::IdVlanId)->text(), "100");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Dlg::IdPriority)->currentText(), "High");
    EXPECT_EQ(edit(page.get(), Dlg::IdUplinkPorts)->text(), "25-26");
    EXPECT_EQ(listRows(page.get(), Dlg::IdList),
              (std::vector<QStringList>{{"1", "Video Encoder", "Lobby camera", "00-11-22-33-44-55"},
                                        {"2", "Quorlan Surveillance Device", "", "0A-5C-31-0X-XX-XX"},
                                        {"3", "Quorlan Surveillance Device", "", "0E-93-42-XX-XX-XX"}}));
    EXPECT_TRUE(edit(page.get(), Dlg::IdDescription)->isEnabled());

    // Off as read: only the state can be changed.
    agent->setInteger(device("26.1.1.0"), 2);
    click(*page, Dlg::IdRefresh);
    EXPECT_FALSE(edit(page.get(), Dlg::IdVlanId)->isEnabled());
    EXPECT_FALSE(edit(page.get(), Dlg::IdDescription)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(page.get(), Dlg::IdAdd)->isEnabled());
    controlOf<QCheckBox>(page.get(), Dlg::IdEnable)->click();
    EXPECT_FALSE(edit(page.get(), Dlg::IdVlanId)->isEnabled());
}

TEST_F(SurveillanceVlanPage, ApplyChecksInOrderAndReadsAgainAfterARefusal)
{
    struct Case {
        const char* vlanId;
        const char* ports;
        bool asymmetric;
        bool voiceOn;
        const char* message; // nullptr: written
    };
    const Case cases[] = {
        {"4094", "25-26", true, true, "Auto Surveillance Vlan can not support in Asymmetric VLAN mode."},
        {"1", "25-26", false, true, "Default VLAN cannot be set as Auto Surveillance VLAN."},
        {"4095", "25-26", false, true, "The VLAN ID value range is 2 - 4094"},
        {"", "25-26", false, true, "The VLAN ID value range is 2 - 4094"},
        {"300", "25-26", false, true, "The VLAN ID already is voice VLAN ID."},
        {"300", "25-26", false, false, nullptr},
        {"4094", "2a", false, true, "Invalid Portlist"},
        {"4094", "29", false, true, "Invalid Portlist"},
        {"4094", "3", false, true,
         "If Link Aggregation member port is selected, it must have the same port list as Auto Surveillance VLAN "
         "Tagged Uplink/Downlink Port."},
        {"4094", "3-4,25-26", false, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.vlanId) + " " + c.ports);
        agent->setInteger(device("7.5.0"), c.asymmetric ? 1 : 2);
        agent->setInteger(device("21.1.2.0"), c.voiceOn ? 1 : 2);
        auto page = open();
        edit(page.get(), Dlg::IdVlanId)->setText(QString::fromLatin1(c.vlanId));
        edit(page.get(), Dlg::IdUplinkPorts)->setText(QString::fromLatin1(c.ports));
        click(*page, Dlg::IdApply);
        EXPECT_EQ(boxes.texts(), c.message ? QStringList{c.message} : QStringList{});
        if (c.message) {
            EXPECT_TRUE(sets().empty());
            // The refusal read the switch again: the typed values are gone.
            EXPECT_EQ(edit(page.get(), Dlg::IdVlanId)->text(), "100");
        } else {
            ASSERT_EQ(sets().size(), 1u);
            EXPECT_EQ(sets()[0].front(), integer(device("26.1.2.0"), std::atoi(c.vlanId)));
        }
        load(seed);
    }
}

TEST_F(SurveillanceVlanPage, ExistingVlanIsAskedForAndThePoeNoticeComesWhenSwitchingOnAPoeModel)
{
    const QString exists = "The VLAN ID 200 already exists, still apply? \nIf yes, the original setting of VLAN 200 "
                           "members will be removed.";
    const QString poe = "Switch will automatically turn on PoE function to all the member ports of surveillance VLAN, "
                        "\nplease ensure all the member ports of surveillance VLAN connected to PoE power devices.";
    struct Case {
        const char* name;
        const char* model;
        int stateBefore;
        bool tick; // click the box before Apply
        std::vector<bool> answers;
        QStringList messages;
        Sets sets;
    };
    const std::string uplinks = uplinks2526;
    const Case cases[] = {
        {"cancelled", "SORVEX-A B1", 1, false, {false}, {exists}, {}},
        {"confirmed", "SORVEX-A B1", 1, false, {true}, {exists}, {globalWrite(200, 1, uplinks)}},
        {"switched on, PoE model", "SORVEX-AP B1", 2, true, {true}, {exists, poe}, {globalWrite(200, 1, uplinks)}},
        {"already on, PoE model", "SORVEX-AP B1", 1, false, {true}, {exists}, {globalWrite(200, 1, uplinks)}},
        {"switched off: the state alone", "SORVEX-AP B1", 1, true, {}, {}, {{integer(device("26.1.1.0"), 2)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceProfile profile;
        profile.DeviceName = c.model;
        DeviceProfile::setCurrent(profile);
        agent->setInteger(device("26.1.1.0"), c.stateBefore);
        auto page = open();
        if (c.stateBefore == 2) {
            // The fields are locked while off; the read values stand.
            agent->setInteger(device("26.1.2.0"), 200);
            click(*page, Dlg::IdRefresh);
        } else {
            edit(page.get(), Dlg::IdVlanId)->setText(QStringLiteral("200"));
        }
        if (c.tick)
            controlOf<QCheckBox>(page.get(), Dlg::IdEnable)->click();
        agent->clearRequests();
        for (bool answer : c.answers)
            boxes.answerQuestions({answer});
        click(*page, Dlg::IdApply);
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_EQ(sets(), c.sets);
        load(seed);
    }
}

TEST_F(SurveillanceVlanPage, AddChecksTheDeviceInOrder)
{
    struct Case {
        const char* kind; // "MAC" or "OUI"
        const char* address;
        const char* description;
        const char* message;
    };
    const QString format = "Please enter correct MAC format(ex:00-00-00-00-00-01)";
    const Case cases[] = {
        {"MAC", "00-11-22-33-44-66", "door,left", "Invalid Description."},
        {"MAC", "00-11-22-33-44", "door", "Please enter correct MAC format(ex:00-00-00-00-00-01)"},
        {"OUI", "00-11-2", "door", "Please enter correct MAC format(ex:00-00-00-00-00-01)"},
        {"MAC", "00-11-22-33-44-6G", "door", "Please enter correct MAC format(ex:00-00-00-00-00-01)"},
        {"MAC", "FF-FF-FF-FF-FF-FF", "door", "Broadcast MAC is not allowed."},
        {"OUI", "01-00-5E", "door", "Multicast MAC is not allowed."},
        {"MAC", "00-60-b9-12-34-56", "door", "The OUI is already exist at Voice Vlan OUI Table!"},
        {"MAC", "0A-5C-31-01-02-03", "door", "This OUI is default, please select the default mode!"},
        {"OUI", "0e-93-42", "door", "This OUI is default, please select the default mode!"},
        {"MAC", "0E-93-42-3F-FF-FF", "door", "This OUI is default, please select the default mode!"},
        {"MAC", "00-11-22-33-44-55", "door", "The OUI is already exist!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.address);
        auto page = open();
        controlOf<QComboBox>(page.get(), Dlg::IdAddressKind)->setCurrentText(QString::fromLatin1(c.kind));
        edit(page.get(), Dlg::IdAddress)->setText(QString::fromLatin1(c.address));
        edit(page.get(), Dlg::IdDescription)->setText(QString::fromLatin1(c.description));
        clickButton(page.get(), Dlg::IdAdd);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(sets().empty());
    }

    // Four more user entries make five: the sixth is refused.
    for (int i = 1; i <= 4; ++i) {
        const std::string index = ".0.17.34.51.68." + std::to_string(85 + i);
        agent->setOctets(column(1, index), std::string("\x00\x11\x22\x33\x44", 5) + char(85 + i));
        agent->setOctets(column(2, index), "spare");
        agent->setInteger(column(4, index), 4);
    }
    auto page = open();
    ASSERT_EQ(listRows(page.get(), Dlg::IdList).size(), 7u);
    edit(page.get(), Dlg::IdAddress)->setText(QStringLiteral("0E-93-42-40-00-01")); // past the built-in range
    clickButton(page.get(), Dlg::IdAdd);
    EXPECT_EQ(boxes.texts(), QStringList{"OUI Table is full,Maximum user defined OUI is 5."});
}

TEST_F(SurveillanceVlanPage, AddCreatesTheRowThenWritesItsColumns)
{
    struct Case {
        const char* kind;
        const char* address;
        std::string index;
        bool mask;
    };
    const Case cases[] = {
        {"OUI", "00-11-22", ".0.17.34.0.0.0", true},
        {"MAC", "00-aa-bb-cc-dd-ee", ".0.170.187.204.221.238", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        auto page = open();
        controlOf<QComboBox>(page.get(), Dlg::IdComponentType)->setCurrentIndex(3);
        controlOf<QComboBox>(page.get(), Dlg::IdAddressKind)->setCurrentText(QString::fromLatin1(c.kind));
        edit(page.get(), Dlg::IdAddress)->setText(QString::fromLatin1(c.address));
        edit(page.get(), Dlg::IdDescription)->setText(QStringLiteral("Rack 4 NVR"));
        click(*page, Dlg::IdAdd);
        EXPECT_TRUE(boxes.texts().isEmpty());
        std::vector<std::string> columns{octets(column(2, c.index), "Rack 4 NVR"), integer(column(4, c.index), 3)};
        if (c.mask)
            columns.push_back(octets(column(3, c.index), std::string("\xFF\xFF\xFF\x00\x00\x00", 6)));
        EXPECT_EQ(sets(), (Sets{{integer(column(5, c.index), 4)}, columns}));
    }
}

TEST_F(SurveillanceVlanPage, RefusedColumnsTakeTheNewRowAwayAgain)
{
    const std::string index = ".0.17.34.0.0.0";
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::BadValue;
    for (bool createRefused : {false, true}) {
        SCOPED_TRACE(createRefused ? "create refused" : "columns refused");
        auto page = open();
        agent->setRequestFault(createRefused ? 1 : 2, refused); // counted from open()
        controlOf<QComboBox>(page.get(), Dlg::IdAddressKind)->setCurrentText(QStringLiteral("OUI"));
        edit(page.get(), Dlg::IdAddress)->setText(QStringLiteral("00-11-22"));
        click(*page, Dlg::IdAdd);
        agent->clearFaults();
        const Sets written = sets();
        if (createRefused) {
            EXPECT_EQ(written.size(), 1u);
        } else {
            ASSERT_EQ(written.size(), 3u);
            EXPECT_EQ(written[2], std::vector<std::string>{integer(column(5, index), 6)});
        }
        // The page read the table again.
        EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
    }
}

TEST_F(SurveillanceVlanPage, DeleteSparesTheBuiltInOuis)
{
    auto page = open();
    clickButton(page.get(), Dlg::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please Selecte the OUI Entry you would to delete"});
    auto* list = controlOf<CListView>(page.get(), Dlg::IdList);
    for (int row : {1, 2}) {
        boxes.clear();
        list->selectRow(row);
        clickButton(page.get(), Dlg::IdDelete);
        EXPECT_EQ(boxes.texts(), QStringList{"The default Surveillance OUI can not be deleted."});
    }
    EXPECT_TRUE(sets().empty());
    list->selectRow(0);
    click(*page, Dlg::IdDelete);
    EXPECT_EQ(sets(), (Sets{{integer(column(5, ".0.17.34.51.68.85"), 6)}}));
}

} // namespace
