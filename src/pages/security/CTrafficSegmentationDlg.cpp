#include "CTrafficSegmentationDlg.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "PortGrid.h"
#include "PortHex.h"
#include "PortListText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace {

namespace deviceoid = snmp::deviceoid;

// Window size and ports per row by port count; two rows above 28 ports.
constexpr PortGridSize gridSizes[] = {
    {8, {510, 520}, 0, 0},   {10, {515, 470}, 0, 0},  {16, {545, 290}, 0, 0}, {20, {640, 480}, 0, 0},
    {24, {545, 280}, 0, 0},  {28, {600, 500}, 0, 0},  {48, {545, 300}, 24, 0}, {52, {590, 520}, 26, 0},
};
// The gap the port columns leave between them, by port count.
int rowGap(int portCount)
{
    switch (portCount) {
    case 28:
    case 52: return 21;
    case 8: return 20;
    case 10: return 19;
    default: return 0;
    }
}
constexpr int margin = 10;
constexpr int rowStep = 50;
constexpr int minimumPitch = 20; // a box and its caption
constexpr QSize boxSize{16, 17};
constexpr int boxBelowCaption = 18;
constexpr QSize buttonSize{80, 26};
constexpr int listHeight = 200;
constexpr int refreshPauseMs = 50;

} // namespace

CTrafficSegmentationDlg::CTrafficSegmentationDlg()
    : CResizeDialog(137),
      m_portCount(DeviceProfile::current().portCount()),
      m_data(sessions(), m_portCount),
      m_forwarding(std::size_t(m_portCount))
{
    setWindowTitle(QStringLiteral("Traffic Segmentation Settings "));
    const QSize tableSize = PortGrid(m_portCount, gridSizes, {}, 0, 0).window(); // empty when N is not in it
    const int perRow = m_portCount > 28 ? (m_portCount + 1) / 2 : m_portCount;
    const int width = std::max(tableSize.width(), 2 * margin + 24 + minimumPitch * perRow);

    QGroupBox* global = buildGlobalGroup(width);
    QGroupBox* ports = buildPortGroup(global->geometry().bottom() + 8, width);

    auto* table = new QGroupBox(QStringLiteral("Forwarding Port Table"), this);
    table->setObjectName(QString::number(IdTableGroup));
    table->setGeometry(margin, ports->geometry().bottom() + 8, width - 2 * margin, listHeight + 40);
    m_list = new CListView(IdList, {QStringLiteral("Port"), QStringLiteral("Forwarding Port")}, this);
    m_list->setAccessibleName(table->title());
    m_list->horizontalHeader()->resizeSection(0, 150);
    m_list->horizontalHeader()->resizeSection(1, 300);
    m_list->setGeometry(table->geometry().adjusted(10, 24, -10, -10));

    const int height = std::max(tableSize.height(), table->geometry().bottom() + margin);
    table->resize(table->width(), height - margin - table->y());
    m_list->resize(m_list->width(), table->height() - 34);
    setAnchors({{IdGlobalGroup, GrowX, 100},
                {IdPortGroup, GrowX, 100},
                {IdTableGroup, GrowBoth, 100},
                {IdList, GrowBoth, 100}});
    resize(width, height);
}

QGroupBox* CTrafficSegmentationDlg::buildGlobalGroup(int width)
{
    auto* group = new QGroupBox(QStringLiteral("Global Settings"), this);
    group->setObjectName(QString::number(IdGlobalGroup));
    group->setGeometry(margin, 8, width - 2 * margin, 64);
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable Forwarding Port Settings"));
    m_enable->setGeometry(margin + 12, 36, 260, 24);
    QPushButton* apply = addButton(QStringLiteral("&Apply"), IdGlobalApply);
    QPushButton* refresh = addButton(QStringLiteral("&Refresh"), IdRefresh);
    apply->setGeometry(width - margin - 2 * buttonSize.width() - 20, 34, buttonSize.width(), buttonSize.height());
    refresh->setGeometry(width - margin - buttonSize.width() - 12, 34, buttonSize.width(), buttonSize.height());
    reads().addWriteControl(apply);
    reads().addControl(refresh);
    connect(apply, &QPushButton::clicked, this, &CTrafficSegmentationDlg::writeState);
    connect(refresh, &QPushButton::clicked, this, &CTrafficSegmentationDlg::refresh);
    return group;
}

// The source port, the per-port boxes below "To Port" and the forwarding buttons. The whole
// group waits for the reads: the boxes show what was read of the chosen port.
QGroupBox* CTrafficSegmentationDlg::buildPortGroup(int top, int width)
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QString::number(IdPortGroup));
    reads().addWriteControl(group);
    auto inGroup = [group](QWidget* widget) {
        widget->setParent(group);
        return widget;
    };

    m_sourcePort = control<QComboBox>(IdSourcePort);
    inGroup(m_sourcePort);
    for (int p = 1; p <= m_portCount; ++p)
        m_sourcePort->addItem(QString::number(p));
    QLabel* from = LabelFor(m_sourcePort, QStringLiteral("From Port"), group);
    from->setGeometry(12, 18, 70, 24);
    m_sourcePort->setGeometry(86, 18, 70, 24);
    connect(m_sourcePort, &QComboBox::activated, this, &CTrafficSegmentationDlg::chooseSource);

    QPushButton* all = addButton(QStringLiteral("&ALL"), IdAll);
    QPushButton* clear = addButton(QStringLiteral("&Clear"), IdClear);
    m_forwardingApply = addButton(QStringLiteral("&Apply"), IdForwardingApply);
    int left = width - 2 * margin - 3 * (buttonSize.width() + 8);
    for (QPushButton* button : {all, clear, m_forwardingApply}) {
        inGroup(button)->setGeometry(left, 18, buttonSize.width(), buttonSize.height());
        left += buttonSize.width() + 8;
    }
    connect(all, &QPushButton::clicked, this, [this] {
        for (QCheckBox* box : m_portBoxes)
            box->setChecked(true);
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        for (std::size_t i = 0; i < m_portBoxes.size(); ++i) {
            if (int(i) + 1 != m_source)
                m_portBoxes[i]->setChecked(false);
        }
    });
    connect(m_forwardingApply, &QPushButton::clicked, this, &CTrafficSegmentationDlg::writeForwarding);

    auto* toPort = new QLabel(QStringLiteral("To Port"), group);
    toPort->setObjectName(QString::number(IdToPortLabel));
    toPort->setGeometry(12, 52, 70, 17);

    // Columns of 16-pixel boxes with the model's gap between them, kept inside the group.
    const int perRow = std::max(m_portCount > 28 ? (m_portCount + 1) / 2 : m_portCount, 1);
    const int inner = width - 2 * margin - 24;
    const int pitch = std::clamp((inner - perRow * rowGap(m_portCount)) / perRow + minimumPitch, minimumPitch,
                                 std::max(inner / perRow, minimumPitch));
    const PortGrid grid(m_portCount, perRow, {toPort->x(), toPort->geometry().bottom() + 8}, pitch, rowStep);
    for (int port = 1; port <= m_portCount; ++port) {
        QLabel* caption = grid.addCaption(group, port, IdFirstPortCaption + port - 1, 0);
        caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        grid.place(caption, port, 0, minimumPitch, boxSize.height());
        auto* box = control<QCheckBox>(IdFirstPortBox + port - 1);
        inGroup(box);
        box->setAccessibleName(QStringLiteral("To Port %1").arg(port));
        grid.place(box, port, boxBelowCaption, boxSize.width(), boxSize.height());
        m_portBoxes.push_back(box);
    }
    group->setGeometry(margin, top, width - 2 * margin,
                       toPort->geometry().bottom() + 8 + grid.extent().height() + boxBelowCaption + boxSize.height() + 14);
    updateForwardingApply();
    return group;
}

void CTrafficSegmentationDlg::read()
{
    readGet(m_data.m_cCommonSNMP, {deviceoid::segmentationState}, [this](const SnmpReply& reply) {
        if (!reply.ok())
            return; // the state read before stays
        m_state = reply.qtext(0);
        m_enable->setChecked(m_state == QLatin1String("1"));
        updateForwardingApply();
    });
    m_list->clearRows();
    std::fill(m_forwarding.begin(), m_forwarding.end(), QString());
    readWalk(m_cCommonSNMPTable,
             {deviceoid::segmentationColumn(deviceoid::SegmentationPort),
              deviceoid::segmentationColumn(deviceoid::SegmentationForwarding)},
             [this](const SnmpReply& row) { takeRow(row); }, [this](int) { m_list->fitColumnsToContents(); });
    readLinks(m_data.links());
}

void CTrafficSegmentationDlg::takeRow(const SnmpReply& row)
{
    const QString ports = PortListToText(row.text(1), m_portCount).text;
    const int r = m_list->appendRow(row.qtext(0));
    m_list->setCell(r, 1, ports);
    if (const int port = row.portIndex(0, m_portCount))
        m_forwarding[std::size_t(port - 1)] = ports;
}

void CTrafficSegmentationDlg::chooseSource()
{
    m_source = m_sourcePort->currentIndex() + 1;
    std::vector<int> flags(std::size_t(m_portCount), 0);
    MarkListedPorts(m_forwarding[std::size_t(m_source - 1)], flags, 1);
    for (std::size_t i = 0; i < m_portBoxes.size(); ++i) {
        m_portBoxes[i]->setEnabled(int(i) + 1 != m_source);
        m_portBoxes[i]->setChecked(flags[i] == 1);
    }
    updateForwardingApply();
}

// A forwarding set is written only with the feature on and for a source port the operator chose:
// before that the boxes show no port's set.
void CTrafficSegmentationDlg::updateForwardingApply()
{
    m_forwardingApply->setEnabled(m_state == QLatin1String("1") && m_source != 0);
}

void CTrafficSegmentationDlg::writeState()
{
    SetRequest request;
    request.integer(deviceoid::segmentationState, m_enable->isChecked() ? 1 : 2);
    write(m_data.m_cCommonSNMPSet, {request}, [this](const WriteResult&) { refresh(); });
}

std::string CTrafficSegmentationDlg::forwardingOctets(const PortFlags& ports)
{
    std::string hex = PortFlagsToHex(ports);
    const int portCount = int(ports.size());
    if (portCount == 52)
        hex += "00000000000";
    else if (portCount == 28)
        hex += "000000000";
    else
        hex = PadPortHex(hex, portCount);
    return HexToOctets(hex);
}

void CTrafficSegmentationDlg::writeForwarding()
{
    PortFlags ports(std::size_t(m_portCount), 0);
    for (std::size_t i = 0; i < m_portBoxes.size(); ++i)
        ports[i] = m_portBoxes[i]->isChecked() ? 1 : 0;
    if (!m_data.isConsistentWithLinks(ports)) {
        MessageBox::info(QStringLiteral("The link aggregation member port can not be configured."));
        return;
    }
    SetRequest request;
    request.octets(deviceoid::segmentationColumn(deviceoid::SegmentationForwarding) + "." + std::to_string(m_source),
                   forwardingOctets(ports));
    write(m_data.m_cCommonSNMPSet, {request}, [this](const WriteResult& result) {
        if (result.ok())
            refreshAfter(refreshPauseMs);
        else
            refresh();
    });
}
