#include "CSurveillanceVlanDlg.h"

#include "CListView.h"
#include "ChoiceBox.h"
#include "DeviceModel.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldGrid.h"
#include "FieldLabel.h"
#include "MacText.h"
#include "MessageBox.h"
#include "NameText.h"
#include "NumberText.h"
#include "PortHex.h"
#include "PortListText.h"
#include "Utf8Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

std::string deviceColumn(int column)
{
    return deviceoid::surveillanceDeviceColumn(column);
}

// Component types by value; 5 marks the entries built into the switch.
const char* const componentTexts[] = {"Video Management Server", "VMS client/Remote viewer", "Video Encoder",
                                      "Network Storage", "Other IP Surveillance Devices", "Quorlan Surveillance Device"};
constexpr int builtInType = 5;
constexpr int maxUserDevices = 5;
// The switch is given a moment between creating a device and writing its columns, and after a
// global write before it is read again.
constexpr int switchPauseMs = 50;

enum Column { ColId, ColType, ColDescription, ColAddress };
const int columnWidths[] = {50, 200, 200, 200};

const QString firstBuiltIn = QStringLiteral("0A-5C-31-0X-XX-XX");
const QString secondBuiltIn = QStringLiteral("0E-93-42-XX-XX-XX");

// The hex digits of an address without its dashes, upper case.
QString addressDigits(const QString& address)
{
    return QString(address).remove(QLatin1Char('-')).toUpper();
}

// How the list shows an address: the built-in OUIs by their ranges.
QString addressText(const std::string& address, bool builtIn)
{
    const QString digits = addressDigits(MacOctetsText(address));
    if (builtIn && digits.startsWith(QLatin1String("0A5C31")))
        return firstBuiltIn;
    if (builtIn && digits.startsWith(QLatin1String("0E9342")))
        return secondBuiltIn;
    return MacOctetsText(address);
}

} // namespace

CSurveillanceVlanDlg::CSurveillanceVlanDlg()
    : CPageDialog(220),
      m_data(sessions(), DeviceProfile::current().portCount()),
      m_cCommonSNMPGet(addSession("m_cCommonSNMPGet")),
      m_cCommonSNMPTable(addSession("m_cCommonSNMPTable"))
{
    setWindowTitle(QStringLiteral("Auto Surveillance VLAN Settings"));
    auto* layout = new QVBoxLayout(this);

    // The global settings.
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable Auto Surveillance VLAN"));
    m_vlanId = control<QLineEdit>(IdVlanId);
    m_vlanId->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_vlanId));
    m_priority = control<QComboBox>(IdPriority);
    ChoiceBox::setItems(*m_priority, {{QStringLiteral("Highest"), 0}, {QStringLiteral("High"), 1},
                                      {QStringLiteral("Medium"), 2}, {QStringLiteral("Low"), 3}});
    m_uplinkPorts = control<QLineEdit>(IdUplinkPorts);
    auto* global = new FieldGrid(this);
    global->addSpanningRow(m_enable);
    global->addRow(QStringLiteral("Vlan ID"), m_vlanId);
    global->addRow(QStringLiteral("Priority"), m_priority);
    global->addRow(QStringLiteral("Tagged Uplink/Downlink Port"), m_uplinkPorts);
    global->addWidget(new QLabel(QStringLiteral("ex:(1,2,4-6)"), this), global->rowCount() - 1, 2);
    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    reads().addWriteControl(applyButton);
    global->addWidget(applyButton, global->rowCount() - 1, 3);
    layout->addLayout(global);

    // The user-defined devices.
    m_userDefined = new QGroupBox(QStringLiteral("User-defined MAC Settings "), this);
    auto* userLayout = new QVBoxLayout(m_userDefined);
    m_componentType = control<QComboBox>(IdComponentType);
    for (int type = 0; type < builtInType; ++type)
        m_componentType->addItem(QString::fromLatin1(componentTexts[type]));
    m_description = control<QLineEdit>(IdDescription);
    m_addressKind = control<QComboBox>(IdAddressKind);
    m_addressKind->addItems({QStringLiteral("MAC"), QStringLiteral("OUI")});
    m_addressKind->setAccessibleName(QStringLiteral("MAC or OUI"));
    m_address = control<QLineEdit>(IdAddress);
    m_address->setAccessibleName(QStringLiteral("Address"));
    QPushButton* addButtonWidget = addButton(QStringLiteral("&Add"), IdAdd);
    reads().addWriteControl(addButtonWidget);
    auto* fields = new QHBoxLayout;
    fields->addWidget(LabelFor(m_componentType, QStringLiteral("Component Type "), m_userDefined));
    fields->addWidget(m_componentType);
    fields->addWidget(LabelFor(m_description, QStringLiteral("Description"), m_userDefined));
    fields->addWidget(m_description, 1);
    userLayout->addLayout(fields);
    auto* address = new QHBoxLayout;
    address->addWidget(m_addressKind);
    address->addWidget(m_address, 1);
    address->addWidget(new QLabel(QStringLiteral("(XX-XX-XX-XX-XX-XX)"), m_userDefined));
    address->addWidget(addButtonWidget);
    userLayout->addLayout(address);
    userLayout->addWidget(new QLabel(QStringLiteral("Note : Maximum number of user-defined MAC is 5 entries"), m_userDefined));
    m_list = new CListView(IdList,
                           {QStringLiteral("ID"), QStringLiteral("Component Type"), QStringLiteral("Description"),
                            QStringLiteral("MAC Address")},
                           m_userDefined);
    for (int c = 0; c < int(std::size(columnWidths)); ++c)
        m_list->setColumnWidth(c, columnWidths[c]);
    m_list->setAccessibleName(QStringLiteral("User-defined MAC Settings"));
    userLayout->addWidget(m_list, 1);
    QPushButton* deleteButton = addButton(QStringLiteral("&Delete"), IdDelete);
    reads().addWriteControl(deleteButton);
    userLayout->addLayout(buttonRow({deleteButton}));
    layout->addWidget(m_userDefined, 1);
    layout->addLayout(commandButtons(IdRefresh, 0, IdClose));

    connect(addButtonWidget, &QPushButton::clicked, this, &CSurveillanceVlanDlg::addDevice);
    connect(deleteButton, &QPushButton::clicked, this, &CSurveillanceVlanDlg::deleteDevice);
    enableSettings(false);
    resize(m_list->fullWidth() + 40, 560);
}

// The settings can be changed only while the feature is on, as read.
void CSurveillanceVlanDlg::enableSettings(bool enabled)
{
    m_vlanId->setEnabled(enabled);
    m_priority->setEnabled(enabled);
    m_uplinkPorts->setEnabled(enabled);
    m_userDefined->setEnabled(enabled);
}

// Apply and Add check against everything read here: the links, the VLANs, the voice VLAN and
// its OUIs, and the devices listed.
void CSurveillanceVlanDlg::read()
{
    readGet(m_data.m_cCommonSNMP,
            {deviceoid::surveillanceState, deviceoid::surveillanceVlanId, deviceoid::surveillancePriority,
             deviceoid::surveillancePorts},
            [this](const SnmpReply& reply) { showGlobals(reply); });
    readGet(m_cCommonSNMPGet, {deviceoid::asymmetricVlan, deviceoid::voiceVlanState, deviceoid::voiceVlanId},
            [this](const SnmpReply& reply) {
                if (!reply.ok())
                    return;
                m_asymmetricVlan = reply.text(0) == "1";
                m_voiceVlan = reply.text(1) == "1";
                m_voiceVlanId = LeadingInteger(reply.text(2)).value_or(0);
            });
    readLinks(m_data.links());
    readTables();
}

void CSurveillanceVlanDlg::showGlobals(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    m_state = reply.text(0);
    const bool enabled = m_state == "1";
    m_enable->setChecked(enabled);
    m_vlanId->setText(reply.qtext(1));
    if (const auto priority = reply.integer(2))
        ChoiceBox::show(*m_priority, int(*priority));
    else
        ChoiceBox::clear(*m_priority);
    m_uplinkPorts->setText(PortListToRangeText(reply.text(3), 1, m_data.portCount()).text);
    enableSettings(enabled);
}

// One session walks the three tables one after the other.
void CSurveillanceVlanDlg::readTables()
{
    m_vlanIds.clear();
    m_voiceOuis.clear();
    m_devices.clear();
    m_list->clearRows();
    const auto readDevices = [this] {
        readWalk(m_cCommonSNMPTable,
                 {deviceColumn(deviceoid::DeviceAddress), deviceColumn(deviceoid::DeviceDescription),
                  deviceColumn(deviceoid::DeviceType)},
                 [this](const SnmpReply& row) { takeDevice(row); });
    };
    const auto readVoiceOuis = [this, readDevices] {
        readWalk(
            m_cCommonSNMPTable, {deviceoid::voiceVlanOui},
            [this](const SnmpReply& row) { m_voiceOuis.push_back(addressDigits(MacOctetsText(row.text(0))).left(6)); },
            [readDevices](int) { readDevices(); });
    };
    readWalk(
        m_cCommonSNMPTable, {deviceoid::vlanColumn(deviceoid::VlanName)},
        [this](const SnmpReply& row) {
            const std::string index = row.suffix(0);
            if (index.size() > 1 && index[0] == '.')
                m_vlanIds.push_back(LeadingInteger(std::string_view(index).substr(1)).value_or(0));
        },
        [readVoiceOuis](int) { readVoiceOuis(); });
}

void CSurveillanceVlanDlg::takeDevice(const SnmpReply& reply)
{
    Device device;
    device.index = reply.suffix(0);
    device.address = reply.text(0);
    device.description = TextFromUtf8(reply.text(1));
    device.type = int(LeadingInteger(reply.text(2)).value_or(-1));
    device.builtIn = device.type == builtInType;
    const int row = m_list->appendRow(QString::number(m_list->rowCount() + 1));
    if (device.type >= 0 && device.type < int(std::size(componentTexts)))
        m_list->setCell(row, ColType, QString::fromLatin1(componentTexts[device.type]));
    m_list->setCell(row, ColDescription, device.description);
    m_list->setCell(row, ColAddress, addressText(device.address, device.builtIn));
    m_devices.push_back(std::move(device));
}

int CSurveillanceVlanDlg::userDeviceCount() const
{
    return int(std::count_if(m_devices.begin(), m_devices.end(), [](const Device& d) { return !d.builtIn; }));
}

bool CSurveillanceVlanDlg::passesChecks(std::string& uplinkPorts)
{
    if (m_asymmetricVlan) {
        MessageBox::info(QStringLiteral("Auto Surveillance Vlan can not support in Asymmetric VLAN mode."));
        return false;
    }
    const long long vlanId = LeadingInteger(m_vlanId->text()).value_or(0);
    if (vlanId == 1) {
        MessageBox::info(QStringLiteral("Default VLAN cannot be set as Auto Surveillance VLAN."));
        return false;
    }
    if (vlanId < 2 || vlanId > 4094) {
        MessageBox::info(QStringLiteral("The VLAN ID value range is 2 - 4094"));
        return false;
    }
    if (m_voiceVlan && vlanId == m_voiceVlanId) {
        MessageBox::info(QStringLiteral("The VLAN ID already is voice VLAN ID."));
        return false;
    }
    if (!IsPortListChars(m_uplinkPorts->text())) {
        MessageBox::info(QStringLiteral("Invalid Portlist"));
        return false;
    }
    PortFlags ports(std::size_t(m_data.portCount()), 0);
    if (!ParsePortListText(m_uplinkPorts->text(), ports))
        return false;
    if (!m_data.isConsistentWithLinks(ports)) {
        MessageBox::info(QStringLiteral("If Link Aggregation member port is selected, it must have the same port list as "
                                        "Auto Surveillance VLAN Tagged Uplink/Downlink Port."));
        return false;
    }
    uplinkPorts = PortFlagsToOctets(ports);
    return true;
}

void CSurveillanceVlanDlg::apply()
{
    std::string uplinkPorts;
    if (!passesChecks(uplinkPorts)) {
        refresh();
        return;
    }
    const bool enable = m_enable->isChecked();
    const long long vlanId = LeadingInteger(m_vlanId->text()).value_or(0);
    if (enable && std::find(m_vlanIds.begin(), m_vlanIds.end(), vlanId) != m_vlanIds.end() &&
        !MessageBox::question(QStringLiteral("The VLAN ID %1 already exists, still apply? \nIf yes, the original setting "
                                             "of VLAN %1 members will be removed.")
                                  .arg(vlanId))) {
        refresh();
        return;
    }
    if (enable && m_state == "2" && DeviceModel::current().poe())
        MessageBox::info(QStringLiteral("Switch will automatically turn on PoE function to all the member ports of "
                                        "surveillance VLAN, \nplease ensure all the member ports of surveillance VLAN "
                                        "connected to PoE power devices."));
    SetRequest request;
    if (enable) {
        request.integer(deviceoid::surveillanceVlanId, vlanId);
        // A priority that was not read is not written.
        if (const auto priority = ChoiceBox::value(*m_priority))
            request.integer(deviceoid::surveillancePriority, *priority);
        request.octets(deviceoid::surveillancePorts, uplinkPorts)
            .integer(deviceoid::surveillanceState, 1);
    } else {
        request.integer(deviceoid::surveillanceState, 2);
    }
    write(m_data.m_cCommonSNMPSet, {request}, [this](const WriteResult&) { refreshAfter(switchPauseMs); });
}

bool CSurveillanceVlanDlg::passesDeviceChecks(const QString& address, const QString& description)
{
    if (!IsValidNameText(description)) {
        MessageBox::info(QStringLiteral("Invalid Description."));
        return false;
    }
    if (!ValidateMacText(address, false))
        return false;
    const QString digits = addressDigits(address);
    if (std::find(m_voiceOuis.begin(), m_voiceOuis.end(), digits.left(6)) != m_voiceOuis.end()) {
        MessageBox::info(QStringLiteral("The OUI is already exist at Voice Vlan OUI Table!"));
        return false;
    }
    const QString seven = digits.left(7);
    if (seven == QLatin1String("0A5C310") || (seven >= QLatin1String("0E93420") && seven <= QLatin1String("0E93423"))) {
        MessageBox::info(QStringLiteral("This OUI is default, please select the default mode!"));
        return false;
    }
    for (const Device& device : m_devices) {
        if (addressDigits(MacOctetsText(device.address)) == digits) {
            MessageBox::info(QStringLiteral("The OUI is already exist!"));
            return false;
        }
    }
    if (userDeviceCount() >= maxUserDevices) {
        MessageBox::info(QStringLiteral("OUI Table is full,Maximum user defined OUI is 5."));
        return false;
    }
    return true;
}

void CSurveillanceVlanDlg::addDevice()
{
    const bool oui = m_addressKind->currentIndex() == 1;
    QString address = m_address->text();
    if (oui)
        address += QStringLiteral("-00-00-00");
    const QString description = m_description->text();
    if (!passesDeviceChecks(address, description))
        return;
    const std::string index = MacTextToIndex(address);
    // A device left without its columns would match one whole address with no description.
    const NewTableRow row(deviceColumn(deviceoid::DeviceRowStatus) + index, RowCreateAndGo);
    std::vector<SetRequest> steps{row.create(), SetRequest()};
    steps[1]
        .pauseBefore(switchPauseMs)
        .octets(deviceColumn(deviceoid::DeviceDescription) + index, TextToUtf8(description))
        .integer(deviceColumn(deviceoid::DeviceType) + index, m_componentType->currentIndex());
    if (oui)
        steps[1].octets(deviceColumn(deviceoid::DeviceMask) + index, std::string("\xFF\xFF\xFF\x00\x00\x00", 6));
    writeNewRow(m_data.m_cCommonSNMPSet, row, steps, [this](const WriteResult&) { refresh(); });
}

void CSurveillanceVlanDlg::deleteDevice()
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_devices.size())) {
        MessageBox::info(QStringLiteral("Please Selecte the OUI Entry you would to delete"));
        return;
    }
    const int row = rows.first().row();
    const Device& device = m_devices[std::size_t(row)];
    const QString shown = addressText(device.address, device.builtIn);
    if (shown == firstBuiltIn || shown == secondBuiltIn) {
        MessageBox::info(QStringLiteral("The default Surveillance OUI can not be deleted."));
        return;
    }
    SetRequest destroy;
    destroy.integer(deviceColumn(deviceoid::DeviceRowStatus) + device.index, RowDestroy);
    write(m_data.m_cCommonSNMPSet, {destroy}, [this](const WriteResult&) { refresh(); });
}
