#include "CVlanEditDlg.h"

#include "RowStatus.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NameText.h"
#include "NumberText.h"
#include "PortGrid.h"
#include "PortHex.h"
#include "PortListText.h"
#include "TypingLimit.h"
#include "Utf8Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

namespace deviceoid = snmp::deviceoid;

// Window size, boxes per row and extra gap by port count (16 and 24 ports: the dialog's own size).
constexpr PortGridSize gridSizes[] = {
    {8, {500, 320}, 0, 38}, {10, {510, 320}, 0, 29}, {16, {}, 0, 11},         {24, {}, 0, 2},
    {28, {570, 360}, 0, 0}, {48, {530, 400}, 24, 0}, {52, {550, 400}, 26, 0},
};
constexpr int basePitch = 16;
constexpr int labelLeft = 16;
constexpr int portGroupTop = 84;
constexpr int captionTop = portGroupTop + 24;
constexpr int kindTop = 18;   // the first row of boxes below its captions
constexpr int kindStep = 24;  // between the rows of the three choices
constexpr int gridRowStep = kindTop + 3 * kindStep + 8;
constexpr int rightMargin = 15;

constexpr int maxNameChars = 20, maxVidChars = 4;
constexpr int firstVid = 2, lastVid = 4094;
constexpr int defaultVlan = 1;
// The switch takes the row's activation only a moment after its name.
constexpr int activatePauseMs = 50;

const char* const kindCaptions[] = {"Tag Ports:", "Untag Ports:", "Not Member:"};

std::string cell(int column, int vid)
{
    return deviceoid::vlanColumn(column) + "." + std::to_string(vid);
}

} // namespace

CVlanEditDlg::CVlanEditDlg(Mode mode, int vid, VlanRecords records, bool asymmetric)
    : CResizeDialog(172),
      m_mode(mode),
      m_vid(vid),
      m_records(std::move(records)),
      m_asymmetric(asymmetric),
      m_portCount(DeviceProfile::current().portCount()),
      m_data(sessions(), m_portCount),
      m_ports(std::size_t(m_portCount)),
      m_untaggedElsewhere(std::size_t(m_portCount), 0)
{
    setWindowTitle(m_mode == Mode::Add ? QStringLiteral("Add VLAN") : QStringLiteral("Edit VLAN"));

    auto* nameGroup = new QGroupBox(QStringLiteral("802.1Q VLAN Name and ID"), this);
    nameGroup->setObjectName(QString::number(IdNameGroup));
    m_name = control<QLineEdit>(IdName);
    TypingLimit::apply(m_name, maxNameChars);
    m_vidEdit = control<QLineEdit>(IdVid);
    TypingLimit::apply(m_vidEdit, maxVidChars);
    int x = labelLeft;
    for (auto [field, caption, width] : {std::tuple<QLineEdit*, const char*, int>{m_name, "VLAN Name:", 170},
                                         {m_vidEdit, "VID:", 60}}) {
        QLabel* label = LabelFor(field, QString::fromLatin1(caption), this);
        label->setGeometry(x, 36, label->sizeHint().width(), 24);
        x += label->width() + 6;
        field->setGeometry(x, 36, width, 24);
        x += width + 30;
    }

    buildPortBoxes();

    if (const VlanRecord* record = m_mode == Mode::Edit ? FindVlan(m_records, m_vid) : nullptr)
        loadRecord(*record);
    if (m_mode == Mode::Edit) {
        m_vidEdit->setText(QString::number(m_vid));
        m_vidEdit->setEnabled(false);
    }
    countUntaggedElsewhere();
}

void CVlanEditDlg::buildPortBoxes()
{
    const PortGridSize* entry = PortGrid::entryFor(gridSizes, m_portCount);
    // The labels of the three rows sit left of the boxes.
    int labelWidth = 0;
    for (const char* caption : kindCaptions)
        labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(QString::fromLatin1(caption)));
    const int gridLeft = labelLeft + labelWidth + 10;
    const int perRow = entry && entry->perRow > 0 ? entry->perRow : m_portCount;
    // The extra gap spreads few ports over the window, as far as the window's width allows.
    int pitch = basePitch + (entry ? entry->extraGap : 0);
    if (entry && entry->window.isValid())
        pitch = std::clamp((entry->window.width() - gridLeft - rightMargin) / std::max(perRow, 1), basePitch, pitch);
    const PortGrid grid(m_portCount, perRow, {gridLeft, captionTop}, pitch, gridRowStep);
    const QSize needed(std::max(gridLeft + grid.extent().width() + rightMargin, 440),
                       captionTop + grid.extent().height() + gridRowStep + 56);
    const QSize size = entry && entry->window.isValid() ? entry->window.expandedTo(needed) : needed;

    auto* portGroup = new QGroupBox(QStringLiteral("VLAN Port Member"), this);
    portGroup->setObjectName(QString::number(IdPortGroup));
    for (int row = 0; row < grid.rows(); ++row) {
        for (int kind = Tag; kind <= NotMember; ++kind) {
            auto* label = new QLabel(QString::fromLatin1(kindCaptions[kind]), this);
            label->setGeometry(labelLeft, captionTop + row * gridRowStep + kindTop + kind * kindStep, labelWidth + 4, 20);
        }
    }
    const int firstIds[] = {IdFirstTag, IdFirstUntag, IdFirstNotMember};
    const char* const names[] = {"Tag port %1", "Untag port %1", "Not member port %1"};
    std::vector<QCheckBox*>* rows[] = {&m_tag, &m_untag, &m_notMember};
    for (int port = 1; port <= m_portCount; ++port) {
        grid.addCaption(this, port, IdFirstCaption + port - 1, 0);
        auto* choice = new QButtonGroup(this);
        choice->setExclusive(true);
        for (int kind = Tag; kind <= NotMember; ++kind) {
            auto* box = control<QCheckBox>(firstIds[kind] + port - 1);
            box->setAccessibleName(QString::fromLatin1(names[kind]).arg(port));
            grid.place(box, port, kindTop + kind * kindStep);
            choice->addButton(box);
            rows[kind]->push_back(box);
            connect(box, &QCheckBox::clicked, this, [this, port, kind] { onBoxClicked(port, Kind(kind)); });
        }
        showPort(port);
    }

    QPushButton* ok = addButton(QStringLiteral("OK"), IdOk);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CVlanEditDlg::onOk);
    reads().addWriteControl(ok);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), IdCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const int buttonsTop = placeCornerButtons({ok, cancel}, size);

    findChild<QGroupBox*>(QString::number(IdNameGroup))->setGeometry(10, 8, size.width() - 20, 66);
    portGroup->setGeometry(10, portGroupTop, size.width() - 20, buttonsTop - portGroupTop - 10);
    portGroup->lower();
    addAnchor({IdNameGroup, GrowX, 100});
    addAnchor({IdPortGroup, GrowBoth, 100});
    resize(size);
    move(200, 200);
}

// OK checks the port choices against the aggregated links: it waits for their walk.
void CVlanEditDlg::read()
{
    readLinks(m_data.links());
}

void CVlanEditDlg::loadRecord(const VlanRecord& record)
{
    m_before = record;
    m_name->setText(record.name);
    std::vector<int> egress(std::size_t(m_portCount), 0), untagged(std::size_t(m_portCount), 0);
    MarkListedPorts(record.egress, egress, 1);
    MarkListedPorts(record.untagged, untagged, 1);
    for (int port = 1; port <= m_portCount; ++port) {
        PortChoice& choice = m_ports[std::size_t(port - 1)];
        choice.egress = egress[std::size_t(port - 1)] || untagged[std::size_t(port - 1)];
        choice.untagged = untagged[std::size_t(port - 1)];
        choice.notMember = !choice.egress;
        showPort(port);
    }
}

// Every VLAN's untagged ports, the edited one's as it is now included.
void CVlanEditDlg::countUntaggedElsewhere()
{
    std::fill(m_untaggedElsewhere.begin(), m_untaggedElsewhere.end(), 0);
    for (const VlanRecord& record : m_records) {
        std::vector<int> untagged(std::size_t(m_portCount), 0);
        MarkListedPorts(m_mode == Mode::Edit && record.vid == m_vid ? m_before.untagged : record.untagged, untagged, 1);
        for (std::size_t i = 0; i < untagged.size(); ++i)
            m_untaggedElsewhere[i] += untagged[i];
    }
}

void CVlanEditDlg::showPort(int port)
{
    const PortChoice& choice = m_ports[std::size_t(port - 1)];
    const std::size_t i = std::size_t(port - 1);
    m_untag[i]->setChecked(choice.untagged);
    m_tag[i]->setChecked(choice.egress && !choice.untagged);
    m_notMember[i]->setChecked(choice.notMember);
}

void CVlanEditDlg::onBoxClicked(int port, Kind kind)
{
    PortChoice& choice = m_ports[std::size_t(port - 1)];
    const bool wasUntagged = choice.untagged;
    const Kind shown = choice.notMember ? NotMember : choice.untagged ? Untag : Tag;
    if (kind == shown) {
        showPort(port);
        return;
    }
    // A port is an untagged member of one VLAN only, unless asymmetric VLAN is enabled.
    if (kind == Untag && !m_asymmetric && m_untaggedElsewhere[std::size_t(port - 1)] > 0) {
        showPort(port);
        return;
    }
    choice.egress = kind != NotMember;
    choice.untagged = kind == Untag;
    choice.notMember = kind == NotMember;
    if (m_mode == Mode::Edit && wasUntagged && kind != Untag && m_untaggedElsewhere[std::size_t(port - 1)] > 0)
        --m_untaggedElsewhere[std::size_t(port - 1)];
    showPort(port);
}

PortFlags CVlanEditDlg::flagsOf(int PortChoice::*member) const
{
    PortFlags flags(std::size_t(m_portCount), 0);
    for (std::size_t i = 0; i < m_ports.size(); ++i)
        flags[i] = m_ports[i].*member;
    return flags;
}

bool CVlanEditDlg::passesChecks(long long vid)
{
    if (m_mode == Mode::Add) {
        if (vid < firstVid || vid > lastVid) {
            MessageBox::info(QStringLiteral("Invalid VLAN ID, VLAN ID should be (2-4094) !"));
            return false;
        }
        if (FindVlan(m_records, vid)) {
            MessageBox::info(QStringLiteral("The VLAN ID has been used, please input again !"));
            return false;
        }
    }
    const QString name = m_name->text().left(100);
    if (name.isEmpty() || !IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid Vlan Name."));
        return false;
    }
    if (!m_data.isConsistentWithLinks(flagsOf(&PortChoice::egress)) ||
        !m_data.isConsistentWithLinks(flagsOf(&PortChoice::untagged))) {
        MessageBox::info(QStringLiteral("Members in VLAN have to be in the same trunk !"));
        return false;
    }
    if (m_mode == Mode::Edit) {
        const PortFlags egress = flagsOf(&PortChoice::egress);
        const bool hasMember = std::find(egress.begin(), egress.end(), 1) != egress.end();
        const bool otherHasMember = std::any_of(m_records.begin(), m_records.end(), [&](const VlanRecord& r) {
            return r.vid != vid && r.egressCount > 0;
        });
        if (!hasMember && !otherHasMember) {
            MessageBox::info(QStringLiteral("You have to include at least one member in the vlan"));
            return false;
        }
    }
    return true;
}

std::vector<SetRequest> CVlanEditDlg::writeSteps(int vid, const std::string& name) const
{
    std::vector<SetRequest> steps;
    auto step = [&]() -> SetRequest& { return steps.emplace_back(); };
    const bool defaultVlan = vid == ::defaultVlan;
    if (m_mode == Mode::Add)
        step().integer(cell(deviceoid::VlanRowStatus, vid), RowCreateAndWait);
    else if (!defaultVlan)
        step().integer(cell(deviceoid::VlanRowStatus, vid), RowNotInService);
    if (!defaultVlan)
        step().octets(cell(deviceoid::VlanEgress, vid), PortFlagsToOctets(PortFlags(std::size_t(m_portCount), 1)));
    step().octets(cell(deviceoid::VlanUntagged, vid), PortFlagsToOctets(flagsOf(&PortChoice::untagged)));
    step().octets(cell(deviceoid::VlanEgress, vid), PortFlagsToOctets(flagsOf(&PortChoice::egress)));
    step().octets(cell(deviceoid::VlanName, vid), name);
    step().pauseBefore(activatePauseMs).integer(cell(deviceoid::VlanRowStatus, vid), RowActive);
    return steps;
}

void CVlanEditDlg::onOk()
{
    const auto vid = LeadingInteger(m_vidEdit->text().left(10));
    if (!vid || !passesChecks(*vid))
        return;
    if (PortFlagsToOctets(flagsOf(&PortChoice::egress)).empty()) {
        MessageBox::info(QStringLiteral("Parameter Error !"));
        return;
    }
    const int id = int(*vid);
    write(m_data.m_cCommonSNMPSet, writeSteps(id, TextToUtf8(m_name->text().left(100))),
          [this, id](const WriteResult& result) {
              if (result.ok()) {
                  accept();
                  return;
              }
              auto reread = [this, id] {
                  if (m_mode == Mode::Edit)
                      rereadVlan(id);
              };
              const std::vector<SetRequest> putBack =
                  VlanPutBackSteps(m_mode == Mode::Add ? VlanWrite::Create : VlanWrite::Edit, id, m_before, result,
                                   m_portCount);
              if (putBack.empty()) {
                  reread();
                  return;
              }
              write(m_data.m_cCommonSNMPSet, putBack, [reread](const WriteResult&) { reread(); });
          });
}

// After a failed edit the dialog shows what the switch now holds for the VLAN.
void CVlanEditDlg::rereadVlan(int vid)
{
    readGet(m_data.m_cCommonSNMP,
            {cell(deviceoid::VlanName, vid), cell(deviceoid::VlanEgress, vid), cell(deviceoid::VlanUntagged, vid),
             cell(deviceoid::VlanRowStatus, vid)},
            [this, vid](const SnmpReply& reply) {
                if (!reply.ok())
                    return;
                loadRecord(MakeVlanRecord(vid, reply.text(0), reply.text(1), reply.text(2), m_portCount));
                countUntaggedElsewhere();
            });
}
