#include "CPortMirrorDlg.h"

#include "DeviceProfile.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortGrid.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const char* const modeNames[] = {"TX", "RX", "Both", "None"};

// Window size by port count; other counts get the size their columns need.
constexpr PortGridSize windowSizes[] = {
    {8, {500, 400}, 0, 0},  {10, {500, 400}, 0, 0}, {20, {720, 520}, 0, 0},
    {28, {700, 400}, 0, 0}, {52, {780, 420}, 0, 0},
};
// Up to 28 ports stand in one row, more in two.
constexpr int portsInOneRow = 28;

constexpr int margin = 10;
constexpr int columnsLeft = 122; // right of the mode captions and the "All" buttons
constexpr int firstRowTop = 96;
constexpr int rowStep = 122;     // the second row of ports lies below the first
constexpr int boxStep = 22;      // caption, TX, RX, Both, None
constexpr int minimumPitch = 16;
constexpr QSize buttonSize{75, 25};

QSize windowFor(int portCount, int perRow, int rows)
{
    for (const PortGridSize& entry : windowSizes) {
        if (entry.portCount == portCount)
            return entry.window;
    }
    return {std::max(columnsLeft + perRow * 22 + 2 * margin + 8, 500), firstRowTop + rows * rowStep + 60};
}

} // namespace

CPortMirrorDlg::CPortMirrorDlg()
    : CResizeDialog(229),
      m_portCount(DeviceProfile::current().portCount()),
      m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("PortMirroringConfiguration"));
    buildPortColumns();
    move(200, 200);
}

void CPortMirrorDlg::buildPortColumns()
{
    const int perRow = m_portCount > portsInOneRow ? (m_portCount + 1) / 2 : std::max(m_portCount, 1);
    const int rows = (m_portCount + perRow - 1) / perRow;
    const QSize size = windowFor(m_portCount, perRow, std::max(rows, 1));
    const int pitch = std::max((size.width() - 2 * margin - 8 - columnsLeft) / perRow, minimumPitch);
    const PortGrid grid(m_portCount, perRow, {columnsLeft, firstRowTop}, pitch, rowStep);

    // The frames first: the controls drawn over them are their later siblings.
    auto* top = control<QGroupBox>(IdTopFrame, QStringLiteral("Port Mirroring"));
    top->setGeometry(margin, 8, size.width() - 2 * margin, 56);
    auto* main = control<QGroupBox>(IdMainFrame, QStringLiteral("Sniffer Mode"));
    main->setGeometry(margin, 72, size.width() - 2 * margin, size.height() - 72 - 46);

    m_enabled = control<QRadioButton>(IdEnabled, QStringLiteral("Enabled"));
    m_enabled->move(25, 31);
    m_disabled = control<QRadioButton>(IdDisabled, QStringLiteral("Disabled"));
    m_disabled->move(115, 31);
    m_target = control<QComboBox>(IdTarget);
    m_target->setEditable(true);
    m_target->setInsertPolicy(QComboBox::NoInsert);
    for (int port = 1; port <= m_portCount; ++port)
        m_target->addItem(QString::number(port));
    m_target->setCurrentIndex(0);
    auto* targetCaption = new QLabel(QStringLiteral("Target Port:"), this);
    targetCaption->setBuddy(m_target);
    m_target->setAccessibleName(QStringLiteral("Target Port"));
    targetCaption->move(230, 33);
    m_target->setGeometry(310, 29, 70, 24);

    auto* selectAllCaption = new QLabel(QStringLiteral("Select All"), this);
    selectAllCaption->setObjectName(QString::number(IdSelectAll));
    selectAllCaption->setGeometry(58, firstRowTop, columnsLeft - 60, 18);
    for (int row = 0; row < std::max(rows, 1); ++row) {
        const int top = firstRowTop + row * rowStep;
        (new QLabel(QStringLiteral("Port"), this))->setGeometry(22, top, 34, 18);
        for (int mode = Tx; mode <= None; ++mode)
            (new QLabel(QString::fromLatin1(modeNames[mode]), this))->setGeometry(22, top + boxStep * (mode + 1), 34, 20);
    }
    for (int mode = Tx; mode <= None; ++mode) {
        QPushButton* all = addButton(QStringLiteral("All"), allButtonId(Mode(mode)));
        all->setGeometry(62, firstRowTop + boxStep * (mode + 1), 44, 20);
        all->setAccessibleName(QStringLiteral("All %1").arg(QString::fromLatin1(modeNames[mode])));
        connect(all, &QPushButton::clicked, this, [this, mode] { selectAll(Mode(mode)); });
    }

    for (int port = 1; port <= m_portCount; ++port) {
        QLabel* caption = grid.addCaption(this, port, IdFirstCaption + port, 0);
        caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        auto* group = new QButtonGroup(this);
        std::array<QCheckBox*, 4> boxes{};
        for (int mode = Tx; mode <= None; ++mode) {
            auto* box = control<QCheckBox>(boxId(port, Mode(mode)));
            box->setAccessibleName(QStringLiteral("Port %1 %2").arg(port).arg(QString::fromLatin1(modeNames[mode])));
            grid.place(box, port, boxStep * (mode + 1));
            group->addButton(box, mode);
            boxes[std::size_t(mode)] = box;
        }
        m_boxes.push_back(boxes);
        m_groups.push_back(group);
    }

    QPushButton* refreshButton = addButton(QStringLiteral("Refresh"), IdRefresh);
    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
    reads().addControl(refreshButton);
    QPushButton* applyButton = addButton(QStringLiteral("Apply"), IdApply);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    reads().addWriteControl(applyButton);
    QPushButton* closeButton = addCloseButton(IdClose);
    closeButton->setText(QStringLiteral("Close"));
    // The buttons end where the last port's column of the first row ends.
    const QRect lastColumn = grid.cell(std::min(perRow, std::max(m_portCount, 1)));
    const int buttonsRight = m_portCount > 0 ? lastColumn.x() + (lastColumn.width() + 16) / 2 : size.width() - margin;
    int x = buttonsRight;
    for (QPushButton* button : {closeButton, applyButton, refreshButton}) {
        x -= buttonSize.width();
        button->setGeometry(x, size.height() - 38, buttonSize.width(), buttonSize.height());
        x -= 6;
    }

    setAnchors({{IdRefresh, MoveBoth, 100},
                {IdApply, MoveBoth, 100},
                {IdClose, MoveBoth, 100},
                {IdTopFrame, GrowX, 100},
                {IdMainFrame, GrowBoth, 100}});
    connect(m_enabled, &QRadioButton::clicked, this, [this] { onStateChosen(true); });
    connect(m_disabled, &QRadioButton::clicked, this, [this] { onStateChosen(false); });
    connect(m_target, &QComboBox::activated, this, [this] { onTargetChosen(); });
    resize(size);
}

QCheckBox* CPortMirrorDlg::box(int port, Mode mode) const
{
    return m_boxes[std::size_t(port - 1)][std::size_t(mode)];
}

CPortMirrorDlg::Mode CPortMirrorDlg::modeOf(int port) const
{
    const int checked = m_groups[std::size_t(port - 1)]->checkedId();
    return checked >= Tx && checked <= None ? Mode(checked) : None;
}

void CPortMirrorDlg::choose(int port, Mode mode)
{
    box(port, mode)->setChecked(true);
}

void CPortMirrorDlg::enablePort(int port, bool enabled)
{
    for (QCheckBox* b : m_boxes[std::size_t(port - 1)])
        b->setEnabled(enabled);
}

int CPortMirrorDlg::shownTarget() const
{
    const auto port = LeadingInteger(m_target->currentText());
    return port && *port >= 1 && *port <= m_portCount ? int(*port) : 0;
}

// TX, RX and Both leave the target alone; None reaches every port.
void CPortMirrorDlg::selectAll(Mode mode)
{
    const int target = shownTarget();
    for (int port = 1; port <= m_portCount; ++port) {
        if (mode == None || port != target)
            choose(port, mode);
    }
}

// The target mirrors nothing itself.
void CPortMirrorDlg::onTargetChosen()
{
    for (int port = 1; port <= m_portCount; ++port)
        enablePort(port, true);
    if (const int target = shownTarget()) {
        enablePort(target, false);
        choose(target, None);
    }
}

void CPortMirrorDlg::onStateChosen(bool enabled)
{
    m_target->setEnabled(enabled);
    const int target = shownTarget();
    for (int port = 1; port <= m_portCount; ++port)
        enablePort(port, enabled && port != target);
}

// Apply needs both: the links for its checks, the state for its write.
void CPortMirrorDlg::read()
{
    for (int port = 1; port <= m_portCount; ++port)
        enablePort(port, true);
    readLinks(m_data.links());
    readGet(m_data.m_cCommonSNMP, CMirrorData::objects(), [this](const SnmpReply& reply) {
        if (reply.ok())
            showReading(m_data.take(reply));
    });
}

void CPortMirrorDlg::showReading(const CMirrorData::Reading& reading)
{
    m_enabled->setChecked(reading.enabled);
    m_disabled->setChecked(!reading.enabled);
    m_target->setEnabled(reading.enabled);
    m_target->setCurrentText(reading.target);
    const int target = shownTarget();
    for (int port = 1; port <= m_portCount; ++port) {
        enablePort(port, reading.enabled && port != target);
        const CMirrorData::PortMode mode = reading.ports[std::size_t(port - 1)];
        choose(port, mode.tx && mode.rx ? Both : mode.rx ? Rx : mode.tx ? Tx : None);
    }
}

void CPortMirrorDlg::apply()
{
    if (m_disabled->isChecked()) {
        write(m_data.m_cCommonSNMPSet, m_data.writeRequests(false, 0, {}), [this](const WriteResult&) { refresh(); });
        return;
    }
    const int target = shownTarget();
    if (target == 0) {
        MessageBox::info(QStringLiteral("Invalid Target Port (1-%1).").arg(m_portCount));
        return;
    }
    if (m_data.links().linkOf(target) != 0) {
        MessageBox::info(QStringLiteral("Target Port is Trunking Port!"));
        return;
    }
    std::vector<CMirrorData::PortMode> ports;
    bool anySource = false;
    for (int port = 1; port <= m_portCount; ++port) {
        const Mode mode = modeOf(port);
        ports.push_back({mode == Tx || mode == Both, mode == Rx || mode == Both});
        anySource = anySource || mode != None;
    }
    if (!anySource) {
        MessageBox::info(QStringLiteral("Must at least select one source port."));
        refresh();
        return;
    }
    if (!m_data.linksAgree(ports)) {
        MessageBox::info(
            QStringLiteral("Must select whole ports of the aggregated link with the same Sniffer Mode to source port."));
        refresh();
        return;
    }
    write(m_data.m_cCommonSNMPSet, m_data.writeRequests(true, target, ports), [this](const WriteResult& result) {
        // Stopped with the source lists emptied, mirroring would end without a word.
        const std::vector<SetRequest> putBack = m_data.putBackRequests(true, result);
        if (putBack.empty()) {
            refresh();
            return;
        }
        write(m_data.m_cCommonSNMPSet, putBack, [this](const WriteResult&) { refresh(); });
    });
}
