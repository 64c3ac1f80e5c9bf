#include "CPvidDlg.h"

#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

namespace deviceoid = snmp::deviceoid;

// Window size, boxes per row and extra gap by port count.
constexpr PortGridSize gridSizes[] = {
    {8, {420, 255}, 8, 0},   {10, {460, 255}, 10, 0}, {16, {450, 245}, 8, 10}, {20, {460, 300}, 10, 0},
    {24, {545, 255}, 12, 0}, {28, {625, 255}, 14, 0}, {48, {545, 345}, 12, 0}, {52, {585, 345}, 13, 0},
};
constexpr QPoint gridOrigin{25, 65}; // the first caption; each edit box 20 pixels below its caption
constexpr int columnPitch = 42;
constexpr int rowStep = 45;
constexpr int rightMargin = 12;
constexpr int editOffset = 20;
constexpr QSize editSize{40, 20};
// The switch needs a moment after the first 40 PVID writes.
constexpr int pausePort = 40;
constexpr int pauseMs = 50;

} // namespace

CPvidDlg::CPvidDlg(VlanRecords records)
    : CResizeDialog(173),
      m_portCount(DeviceProfile::current().portCount()),
      m_records(std::move(records)),
      m_data(sessions(), m_portCount),
      m_pvids(std::size_t(m_portCount))
{
    setWindowTitle(QStringLiteral("PVID Configuration"));
    const PortGrid grid(m_portCount, gridSizes, gridOrigin, columnPitch, rowStep);
    QSize size = grid.window();
    const QSize needed(gridOrigin.x() + grid.extent().width() + rightMargin,
                       gridOrigin.y() + grid.extent().height() + editOffset + editSize.height() + 75);
    size = size.isValid() ? size.expandedTo(needed) : needed;

    auto* group = new QGroupBox(QStringLiteral("PVID Configuration"), this);
    group->setObjectName(QString::number(IdGroup));
    auto* caption = new QLabel(QStringLiteral("Port VID:"), this);
    caption->move(22, 36);

    for (int port = 1; port <= m_portCount; ++port) {
        QLabel* number = grid.addCaption(this, port, IdFirstCaption + port - 1, 0);
        auto* edit = control<QLineEdit>(IdFirstEdit + port - 1);
        edit->setAlignment(Qt::AlignCenter);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
        edit->setAccessibleName(QStringLiteral("Port VID: port %1").arg(port));
        edit->setEnabled(false);
        number->setBuddy(edit);
        grid.place(edit, port, editOffset, editSize.width(), editSize.height());
        m_edits.push_back(edit);
    }

    QPushButton* applyButton = addButton(QStringLiteral("Apply"), IdApply);
    applyButton->setDefault(true);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    reads().addWriteControl(applyButton);
    QPushButton* cancel = addButton(QStringLiteral("Cancel"), IdCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* refreshButton = addButton(QStringLiteral("&Refresh"), IdRefresh);
    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
    reads().addControl(refreshButton);
    const int buttonsTop = placeCornerButtons({applyButton, cancel, refreshButton}, size);

    group->setGeometry(10, 8, size.width() - 20, buttonsTop - 16);
    addAnchor({IdGroup, GrowBoth, 100});
    resize(size);
    move(200, 200);
}

// Apply needs both walks whole: the PVIDs it writes and the links it checks.
void CPvidDlg::read()
{
    std::fill(m_pvids.begin(), m_pvids.end(), std::nullopt);
    readLinks(m_data.links());
    readWalk(m_cCommonSNMPTable, {deviceoid::portPvid}, [this](const SnmpReply& row) { takePvid(row); },
             [this](int status) { showPvids(status); });
}

void CPvidDlg::takePvid(const SnmpReply& row)
{
    if (const int port = row.portIndex(0, m_portCount))
        m_pvids[std::size_t(port - 1)] = LeadingInteger(row.text(0)).value_or(0);
}

// The boxes show the PVIDs only when the walk has read the whole column.
void CPvidDlg::showPvids(int status)
{
    if (status != -2)
        return;
    for (int port = 1; port <= m_portCount; ++port) {
        const auto& pvid = m_pvids[std::size_t(port - 1)];
        QLineEdit* edit = m_edits[std::size_t(port - 1)];
        edit->setText(pvid ? QString::number(*pvid) : QString());
        edit->setEnabled(pvid.has_value());
    }
}

// The boxes are read here, not as they are typed in: text can arrive without keystrokes (a
// paste, an accessibility tool). An empty box is PVID 0, which no VLAN has.
std::vector<std::optional<long long>> CPvidDlg::enteredPvids() const
{
    std::vector<std::optional<long long>> pvids(m_pvids.size());
    for (std::size_t i = 0; i < m_pvids.size(); ++i) {
        if (m_pvids[i])
            pvids[i] = LeadingInteger(m_edits[i]->text()).value_or(0);
    }
    return pvids;
}

bool CPvidDlg::passesLinkCheck(const std::vector<std::optional<long long>>& pvids)
{
    const AggregatedLinkWalk& links = m_data.links();
    for (int port = 1; port <= m_portCount; ++port) {
        const auto& pvid = pvids[std::size_t(port - 1)];
        const int link = links.linkOf(port);
        if (link == 0 || !pvid || *pvid == 1)
            continue;
        for (int member : links.portsOf(link)) {
            if (pvids[std::size_t(member - 1)] != pvid) {
                MessageBox::info(QStringLiteral("You should let all Trunk member in the same PVID !"));
                return false;
            }
        }
        MessageBox::info(QStringLiteral("Setting PVID on a Trunk is not supported. Please use Web interface for the settings."));
        return false;
    }
    return true;
}

bool CPvidDlg::passesChecks(const std::vector<std::optional<long long>>& pvids)
{
    if (!passesLinkCheck(pvids))
        return false;
    for (const auto& pvid : pvids) {
        if (!pvid)
            continue;
        const VlanRecord* vlan = FindVlan(m_records, *pvid);
        if (!vlan) {
            MessageBox::info(QStringLiteral("Invalid PVID"));
            return false;
        }
        if (vlan->egressCount == 0) {
            MessageBox::info(QStringLiteral("Invalid PVID,VlAN is empty"));
            return false;
        }
    }
    return true;
}

void CPvidDlg::apply()
{
    const auto pvids = enteredPvids();
    if (!passesChecks(pvids))
        return;
    std::vector<SetRequest> requests;
    bool paused = false;
    for (int port = 1; port <= m_portCount; ++port) {
        const auto& pvid = pvids[std::size_t(port - 1)];
        if (!pvid)
            continue;
        SetRequest request;
        if (m_portCount >= pausePort && port > pausePort && !paused) {
            request.pauseBefore(pauseMs);
            paused = true;
        }
        request.unsigned32(deviceoid::portPvid + "." + std::to_string(port), static_cast<unsigned long long>(*pvid));
        requests.push_back(std::move(request));
    }
    write(m_data.m_cCommonSNMPSet, requests, [this](const WriteResult& result) {
        if (result.ok()) {
            accept();
            return;
        }
        refresh();
    });
}
