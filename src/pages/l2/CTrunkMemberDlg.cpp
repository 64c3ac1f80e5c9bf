#include "CTrunkMemberDlg.h"

#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortGrid.h"
#include "PortHex.h"
#include "PortListText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

namespace deviceoid = snmp::deviceoid;

// Window size and boxes per row by port count; the boxes spread over the width.
constexpr PortGridSize gridSizes[] = {
    {8, {470, 275}, 0, 0},   {10, {520, 275}, 0, 0},  {16, {447, 275}, 0, 0},  {24, {550, 275}, 0, 0},
    {28, {580, 275}, 0, 0},  {48, {520, 330}, 24, 0},  {52, {560, 330}, 26, 0},
};
constexpr int margin = 20;      // between the window's edges and the first and last column
constexpr int gridTop = 100;    // the first row of captions
constexpr int boxOffset = 18;   // a box below its caption
constexpr int minimumPitch = 18;
constexpr int rowStep = 45;   // the second row of 48 and 52 ports
constexpr int minMembers = 2, maxMembers = 8;

} // namespace

CTrunkMemberDlg::CTrunkMemberDlg(const QString& trunkId, const QString& modeText, const QString& members)
    : CResizeDialog(171),
      m_portCount(DeviceProfile::current().portCount()),
      m_trunkId(trunkId),
      m_modeText(modeText),
      m_members(members),
      m_valid(sessions(), m_portCount, this)
{
    setWindowTitle(QStringLiteral("Trunk member"));
    const PortGridSize* entry = PortGrid::entryFor(gridSizes, m_portCount);
    const int perRow = entry && entry->perRow > 0 ? entry->perRow : std::max(m_portCount, 1);
    const int pitch = entry ? std::max((entry->window.width() - 2 * margin) / perRow, minimumPitch) : minimumPitch;
    const PortGrid grid(m_portCount, perRow, {margin, gridTop}, pitch, rowStep);
    const QSize needed(2 * margin + grid.extent().width(), gridTop + grid.extent().height() + boxOffset + 80);
    const QSize size = entry ? entry->window.expandedTo(needed) : needed;

    auto* trunk = control<QLineEdit>(IdTrunkId);
    auto* mode = control<QLineEdit>(IdMode);
    int x = margin;
    for (auto [field, caption] : {std::pair<QLineEdit*, const char*>{trunk, "Trunk ID:"}, {mode, "PortChannelMode:"}}) {
        field->setReadOnly(true);
        QLabel* label = LabelFor(field, QString::fromLatin1(caption), this);
        label->setGeometry(x, 18, label->sizeHint().width(), 22);
        x += label->width() + 6;
        field->setGeometry(x, 18, 70, 22);
        x += 70 + 24;
    }

    auto* group = new QGroupBox(QStringLiteral("Port Member"), this);
    group->setObjectName(QString::number(IdGroup));
    for (int port = 1; port <= m_portCount; ++port) {
        QLabel* caption = grid.addCaption(this, port, IdFirstCaption + port - 1, 0);
        auto* box = control<QCheckBox>(IdFirstBox + port - 1);
        box->setAccessibleName(QStringLiteral("Port %1").arg(port));
        caption->setBuddy(box);
        grid.place(box, port, boxOffset);
        m_boxes.push_back(box);
    }

    QPushButton* ok = addButton(QStringLiteral("OK"), IdOk);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CTrunkMemberDlg::onOk);
    reads().addWriteControl(ok);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), IdCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const int buttonsTop = placeCornerButtons({ok, cancel}, size);
    group->setGeometry(10, gridTop - 28, size.width() - 20, buttonsTop - (gridTop - 28) - 10);
    group->lower();
    addAnchor({IdGroup, GrowBoth, 100});

    connect(&m_valid, &TrunkValid::initEnded, this, [this](bool ok) {
        reads().end(ok);
        if (!ok)
            MessageBox::info(QStringLiteral("TrunkValid Init Error !"));
    });
    connect(&m_valid, &TrunkValid::globalStatesRead, this, [this](bool ok) {
        reads().end(ok);
        if (!ok) {
            MessageBox::info(QStringLiteral("TrunkValid Init Error !"));
            return;
        }
        checkAndWrite();
    });

    trunk->setText(m_trunkId);
    mode->setText(m_modeText);
    std::vector<int> listed(std::size_t(m_portCount), 0);
    MarkListedPorts(m_members, listed, 1);
    for (int port = 1; port <= m_portCount; ++port)
        m_boxes[std::size_t(port - 1)]->setChecked(listed[std::size_t(port - 1)] != 0);

    resize(size);
    move(200, 200);
}

// Everything the rules compare is read once, when the dialog opens.
void CTrunkMemberDlg::read()
{
    reads().begin();
    m_valid.init();
}

PortFlags CTrunkMemberDlg::tickedPorts() const
{
    PortFlags flags(std::size_t(m_portCount), 0);
    for (int port = 1; port <= m_portCount; ++port)
        flags[std::size_t(port - 1)] = m_boxes[std::size_t(port - 1)]->isChecked() ? 1 : 0;
    return flags;
}

void CTrunkMemberDlg::onOk()
{
    const PortFlags ticked = tickedPorts();
    const auto count = std::count(ticked.begin(), ticked.end(), 1);
    if (count < minMembers) {
        MessageBox::info(QStringLiteral("The mininum port members for an aggregated link is 2 !"));
        return;
    }
    if (count > maxMembers) {
        MessageBox::info(QStringLiteral("The maxinum port member for an aggregated link is exceeded !"));
        return;
    }
    // The spanning-tree rule looks at the switch's global states as they are now.
    reads().begin();
    m_valid.rereadGlobalStates();
}

void CTrunkMemberDlg::checkAndWrite()
{
    const PortFlags ticked = tickedPorts();
    if (!m_valid.checkAggregation(ticked, m_members))
        return;
    const std::string members = PortFlagsToOctets(ticked);
    if (members.empty()) {
        MessageBox::info(QStringLiteral("Parameter Error !"));
        return;
    }
    const auto trunkId = LeadingInteger(m_trunkId);
    if (!trunkId || *trunkId < 1)
        return;
    const std::string index = "." + std::to_string(*trunkId);
    SetRequest request;
    request.octets(deviceoid::linkMembers + index, members)
        .integer(deviceoid::linkMode + index, m_modeText == QLatin1String("LACP") ? 1 : 2);
    // The trunk list reads the switch again whatever the switch answered.
    write(m_cCommonSNMPTrunk, {request}, [this](const WriteResult&) { accept(); });
}
