#include "CStpBridgeConfigDlg.h"

#include "CStpTableDlg.h"
#include "ChoiceBox.h"
#include "DeviceOids.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "StpTexts.h"
#include "TypingLimit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

// The STP version object's values the page has items for.
constexpr int versionRstp = 2;
constexpr int versionStp = 0;
constexpr int maxTimerDigits = 4;
constexpr int maxBridgePriority = 61440;
constexpr int rstpOnTimeoutMs = 3500;
// The switch takes the timers a moment after it has been given room for any Max Age, and is
// read again a moment after the last write.
constexpr int timerPauseMs = 50;
constexpr int rereadPauseMs = 30;
// Written first so that any new Max Age satisfies the timer relations.
constexpr int roomyHelloTime = 100;
constexpr int roomyForwardDelay = 3000;

// The thirteen objects of the read, in their order.
enum Value {
    ValPriority,
    ValTopologyChangeTime,
    ValTopologyChanges,
    ValDesignatedRoot,
    ValRootPort,
    ValMaxAge,
    ValBridgeHelloTime,
    ValBridgeForwardDelay,
    ValHelloTime,
    ValHoldTime,
    ValForwardDelay,
    ValRstpState,
    ValVersion,
};
// An answer with fewer values than this shows nothing.
constexpr int minimumValues = 11;

std::optional<long long> timerValue(const QString& text)
{
    const auto value = LeadingInteger(text);
    if (!value)
        return std::nullopt;
    return static_cast<long long>(*value);
}

// The timers one at a time in an order that keeps the switch's relations true at every step:
// first room for any Max Age, then Max Age, Forward Delay and Hello Time.
std::vector<SetRequest> timerSteps(long long maxAge, long long forwardDelay, long long helloTime)
{
    std::vector<SetRequest> steps;
    steps.emplace_back()
        .integer(stp::scalar(stp::BridgeHelloTime), roomyHelloTime)
        .integer(stp::scalar(stp::BridgeForwardDelay), roomyForwardDelay);
    steps.emplace_back().pauseBefore(timerPauseMs).integer(stp::scalar(stp::BridgeMaxAge), maxAge);
    steps.emplace_back().integer(stp::scalar(stp::BridgeForwardDelay), forwardDelay);
    steps.emplace_back().integer(stp::scalar(stp::BridgeHelloTime), helloTime);
    return steps;
}
constexpr int timerStepCount = 4;

} // namespace

CStpBridgeConfigDlg::CStpBridgeConfigDlg() : CPageDialog(85)
{
    setWindowTitle(QStringLiteral(" STP Configuration "));
    auto* layout = new QVBoxLayout(this);

    m_enableRstp = control<QCheckBox>(IdEnableRstp, QStringLiteral("Enable RSTP"));
    m_version = control<QComboBox>(IdVersion);
    ChoiceBox::setItems(*m_version, {{QStringLiteral("RSTP"), versionRstp}, {QStringLiteral("STP Compatible"), versionStp}});
    m_priority = control<QComboBox>(IdPriority);
    m_priority->setEditable(true);
    for (int priority = 0; priority <= maxBridgePriority; priority += 4096)
        m_priority->addItem(QString::number(priority));
    m_maxAge = control<QLineEdit>(IdMaxAge);
    m_forwardDelay = control<QLineEdit>(IdForwardDelay);
    m_helloTime = control<QLineEdit>(IdHelloTime);
    for (QLineEdit* timer : {m_maxAge, m_forwardDelay, m_helloTime})
        TypingLimit::apply(timer, maxTimerDigits);

    auto* settings = new QGroupBox(QStringLiteral("Bridge"), this);
    auto* settingsGrid = new FieldGrid(settings);
    settings->setLayout(settingsGrid);
    settingsGrid->addSpanningRow(m_enableRstp);
    settingsGrid->addRow(QStringLiteral("STP Version:"), m_version);
    settingsGrid->addRow(QStringLiteral("Priority:"), m_priority);
    settingsGrid->addRow(QStringLiteral("Age Time(600-4000):"), m_maxAge);
    settingsGrid->addRow(QStringLiteral("Delay(400-3000):"), m_forwardDelay);
    settingsGrid->addRow(QStringLiteral("Hello Time(100-1000):"), m_helloTime);

    const int identifierWidth = fontMetrics().horizontalAdvance(QLatin1String(stp::WidestIdentifierText)) + 12;
    auto* root = new QGroupBox(QStringLiteral("Root"), this);
    auto* rootGrid = new FieldGrid(root);
    root->setLayout(rootGrid);
    const std::pair<int, const char*> shown[] = {
        {IdTopologyChangeTime, "TopoChangeTime:"}, {IdTopologyChanges, "TopoChanged:"},
        {IdCurrentForwardDelay, "Forward Delay:"}, {IdCurrentHelloTime, "Hello Time:"},
        {IdHoldTime, "Hold Time:"},                {IdRootPort, "RootPort:"},
        {IdDesignatedRoot, "Designated Root:"},
    };
    for (const auto& [id, caption] : shown) {
        auto* field = control<QLineEdit>(id);
        field->setReadOnly(true);
        field->setMinimumWidth(identifierWidth);
        rootGrid->addRow(QString::fromLatin1(caption), field);
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(settings);
    columns->addWidget(root);
    layout->addLayout(columns);
    layout->addWidget(new QLabel(QStringLiteral("(Time Unit: 1/100 Second)"), this));

    m_portSetting = addButton(QStringLiteral("Port Setting"), IdPortSetting);
    QPushButton* refreshButton = addButton(QStringLiteral("&Refresh"), IdRefresh);
    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    QPushButton* cancel = addCloseButton(IdCancel);
    cancel->setText(QStringLiteral("Cancel"));
    reads().addControl(refreshButton);
    reads().addWriteControl(applyButton);
    layout->addLayout(buttonRow({m_portSetting, refreshButton, applyButton, cancel}));

    connect(refreshButton, &QPushButton::clicked, this, &CStpBridgeConfigDlg::refresh);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(m_portSetting, &QPushButton::clicked, this, [this] { openPortSetting(); });
    connect(m_enableRstp, &QCheckBox::clicked, this, &CStpBridgeConfigDlg::enableRstpControls);

    m_enableRstp->setEnabled(false);
    enableRstpControls(false);
    adjustSize();
}

void CStpBridgeConfigDlg::enableRstpControls(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_version, m_priority, m_maxAge, m_forwardDelay,
                                                            m_helloTime, m_portSetting})
        control->setEnabled(enabled);
}

void CStpBridgeConfigDlg::read()
{
    m_enableRstp->setEnabled(false);
    enableRstpControls(false);
    ChoiceBox::show(*m_version, versionRstp);
    readGet(m_cCommonSNMP,
            {stp::scalar(stp::Priority), stp::scalar(stp::TimeSinceTopologyChange), stp::scalar(stp::TopChanges),
             stp::scalar(stp::DesignatedRoot), stp::scalar(stp::RootPort), stp::scalar(stp::BridgeMaxAge),
             stp::scalar(stp::BridgeHelloTime), stp::scalar(stp::BridgeForwardDelay), stp::scalar(stp::HelloTime),
             stp::scalar(stp::HoldTime), stp::scalar(stp::ForwardDelay), deviceoid::rstpState, deviceoid::stpVersion},
            [this](const SnmpReply& reply) { showReply(reply); });
}

// Fills only what the answer holds: a short answer leaves the state controls as they were
// (and the read counts as failed, so Apply stays off).
void CStpBridgeConfigDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok() || reply.count() < minimumValues)
        return;
    auto show = [this](int id, const QString& text) { findChild<QLineEdit*>(QString::number(id))->setText(text); };
    m_priority->setEditText(reply.qtext(ValPriority));
    show(IdTopologyChangeTime, reply.qtext(ValTopologyChangeTime));
    show(IdTopologyChanges, reply.qtext(ValTopologyChanges));
    show(IdDesignatedRoot, stp::BridgeIdText(reply.text(ValDesignatedRoot)));
    show(IdRootPort, reply.qtext(ValRootPort));
    m_maxAge->setText(reply.qtext(ValMaxAge));
    m_helloTime->setText(reply.qtext(ValBridgeHelloTime));
    m_forwardDelay->setText(reply.qtext(ValBridgeForwardDelay));
    m_readTimers = {timerValue(reply.qtext(ValMaxAge)), timerValue(reply.qtext(ValBridgeForwardDelay)),
                    timerValue(reply.qtext(ValBridgeHelloTime))};
    show(IdCurrentHelloTime, reply.qtext(ValHelloTime));
    show(IdHoldTime, reply.qtext(ValHoldTime));
    show(IdCurrentForwardDelay, reply.qtext(ValForwardDelay));
    if (reply.count() > ValRstpState) {
        m_rstpWasOn = reply.text(ValRstpState) == "1";
        m_enableRstp->setEnabled(true);
        m_enableRstp->setChecked(m_rstpWasOn);
        enableRstpControls(m_rstpWasOn);
    }
    // A version without an item (3 from a switch running MSTP) is shown as read and kept.
    if (reply.count() > ValVersion) {
        if (const auto version = LeadingInteger(reply.text(ValVersion)))
            ChoiceBox::show(*m_version, int(*version));
        else
            ChoiceBox::clear(*m_version);
    }
}

void CStpBridgeConfigDlg::apply()
{
    if (m_enableRstp->isChecked())
        enableRstp();
    else
        disableRstp();
}

// Only the state is written; the timers in the boxes are neither checked nor written.
void CStpBridgeConfigDlg::disableRstp()
{
    SetRequest off;
    off.integer(deviceoid::rstpState, 2);
    m_portSetting->setEnabled(false);
    // Remembered, so that ticking the box again writes the state back on.
    write(m_cCommonSNMPSet0, {off}, [this](const WriteResult& result) {
        if (result.ok()) {
            m_rstpWasOn = false;
            return;
        }
        refresh();
    });
}

// The timers go out one at a time in a safe order; a refused step ends the write, and the page
// shows what the switch then holds.
void CStpBridgeConfigDlg::enableRstp()
{
    const stp::BridgeTimers timers{timerValue(m_maxAge->text()), timerValue(m_forwardDelay->text()),
                                   timerValue(m_helloTime->text())};
    if (const QString error = stp::BridgeTimerError(timers); !error.isEmpty()) {
        MessageBox::info(error);
        return;
    }
    // Text that is no priority would otherwise go out as 0 and make this switch the root.
    const auto priority = stp::PriorityValue(m_priority->currentText(), maxBridgePriority);
    if (!priority) {
        MessageBox::info(QStringLiteral("Invalid Priority value, the valid Priority range is (0-61440) !"));
        return;
    }
    std::vector<SetRequest> steps = timerSteps(*timers.maxAge, *timers.forwardDelay, *timers.helloTime);
    SetRequest& last = steps.emplace_back().integer(stp::scalar(stp::Priority), *priority);
    // A version that was no number is not written at all.
    if (const auto version = ChoiceBox::value(*m_version))
        last.integer(deviceoid::stpVersion, *version);
    auto writeTimers = [this, steps] {
        write(m_cCommonSNMPSet, steps, [this](const WriteResult& result) {
            // A timer step that failed, refused or unanswered, may have left the switch on the
            // room-making values or on a mix: the timers as read go back.
            if (!result.ok() && result.completed < timerStepCount)
                putBackTimers();
            else
                rereadSoon();
        });
    };
    if (m_rstpWasOn) {
        writeTimers();
        return;
    }
    SetRequest on;
    on.timeout(rstpOnTimeoutMs).integer(deviceoid::rstpState, 1);
    write(m_cCommonSNMPSet0, {on}, [this, writeTimers](const WriteResult& result) {
        if (!result.ok()) {
            rereadSoon();
            return;
        }
        m_rstpWasOn = true;
        writeTimers();
    });
}

void CStpBridgeConfigDlg::putBackTimers()
{
    const stp::BridgeTimers& read = m_readTimers;
    if (!read.maxAge || !read.forwardDelay || !read.helloTime) {
        rereadSoon();
        return;
    }
    write(m_cCommonSNMPSet, timerSteps(*read.maxAge, *read.forwardDelay, *read.helloTime),
          [this](const WriteResult&) { rereadSoon(); });
}

void CStpBridgeConfigDlg::rereadSoon()
{
    // Apply and Refresh wait with the read.
    reads().begin();
    QTimer::singleShot(rereadPauseMs, this, [this] {
        reads().end(true);
        refresh();
    });
}

void CStpBridgeConfigDlg::openPortSetting()
{
    CStpTableDlg table;
    table.exec();
}
