#include "CPoeGlobalDlg.h"

#include "ChoiceBox.h"
#include "DeviceOids.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PoeTexts.h"
#include "DeviceModel.h"
#include "Utf8Text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

// The objects in the order they are read and shown.
const int shownObjects[] = {deviceoid::PoeThreshold, deviceoid::PoeShutOffSequence, deviceoid::PoeBudget,
                            deviceoid::PoeUsed,      deviceoid::PoeLeft,            deviceoid::PoeSupplied};
constexpr int objectTimeoutMs = 5000;

struct ThresholdRange {
    double low;
    double high;
    const char* message;
};
constexpr ThresholdRange epRange{7.1, 78.0, "The System Power Threshold ranges between 7.1 ~ 78.0."};
constexpr ThresholdRange apRange{7.1, 185.0, "The System Power Threshold ranges between 7.1 ~ 185.0."};

} // namespace

CPoeGlobalDlg::CPoeGlobalDlg(int firstReadDelayMs) : CPageDialog(218), m_firstReadDelayMs(firstReadDelayMs)
{
    setWindowTitle(QStringLiteral("PoE Global Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new FieldGrid(this);

    m_threshold = control<QLineEdit>(IdThreshold);
    auto* thresholdRow = new QWidget(this);
    auto* thresholdLayout = new QHBoxLayout(thresholdRow);
    thresholdLayout->setContentsMargins(0, 0, 0, 0);
    thresholdLayout->addWidget(m_threshold);
    thresholdLayout->addWidget(new QLabel(QStringLiteral("Watts "), thresholdRow));
    const bool ep = DeviceModel::current().isOneOf({DeviceModel::EpB1});
    m_thresholdLabel = grid->addRow(ep ? QStringLiteral("PoE Power Threshold  (7.1-78.0)")
                                       : QStringLiteral("PoE Power Threshold  (7.1-185.0)"),
                                    thresholdRow);
    m_thresholdLabel->setBuddy(m_threshold);
    m_threshold->setAccessibleName(m_thresholdLabel->text());

    m_sequence = control<QComboBox>(IdShutOffSequence);
    ChoiceBox::setItems(*m_sequence, {{QStringLiteral("DenyNextPort"), 1}, {QStringLiteral("DenyLowPriorityPort"), 2}});
    grid->addRow(QStringLiteral("Power Shut Off Sequence "), m_sequence);

    for (auto [field, id, caption] :
         {std::tuple{&m_budget, IdBudget, "Total PoE Power Budget       "}, std::tuple{&m_used, IdUsed, "Power Used"},
          std::tuple{&m_left, IdLeft, "Power Left"},
          std::tuple{&m_supplied, IdSupplied, "The percentage of system power supplied "}}) {
        *field = control<QLineEdit>(id);
        (*field)->setReadOnly(true);
        grid->addRow(QString::fromLatin1(caption), *field);
    }
    auto* group = new QGroupBox(this);
    group->setLayout(grid);
    layout->addWidget(group);
    layout->addLayout(commandButtons(0, IdApply, IdClose));

    // The threshold and the sequence are written from what was read: both wait for the reads.
    reads().addWriteControl(m_threshold);
    reads().addWriteControl(m_sequence);
    for (QLineEdit* edit : {m_threshold, m_budget, m_used, m_left, m_supplied})
        edit->setText(QStringLiteral("wait..."));
    resize(460, sizeHint().height());
}

// The PoE controller is given a moment before the page reads it.
void CPoeGlobalDlg::onOpen()
{
    reads().begin();
    QTimer::singleShot(m_firstReadDelayMs, this, [this] {
        reads().end(true);
        refresh();
    });
}

void CPoeGlobalDlg::read()
{
    readObject(0);
}

void CPoeGlobalDlg::readObject(std::size_t index)
{
    if (index >= std::size(shownObjects))
        return;
    // The next get starts before this one ends, so the read gate stays closed between them.
    readGet(
        m_cCommonSNMP, {deviceoid::poeGlobal(shownObjects[index])},
        [this, index](const SnmpReply& reply) {
            showObject(index, reply);
            readObject(index + 1);
        },
        objectTimeoutMs);
}

void CPoeGlobalDlg::showObject(std::size_t index, const SnmpReply& reply)
{
    if (!reply.ok() || reply.count() == 0)
        return;
    const QString text = TextFromUtf8(reply.text(0));
    switch (shownObjects[index]) {
    case deviceoid::PoeThreshold:
        m_keptThreshold = text;
        m_threshold->setText(text);
        break;
    case deviceoid::PoeShutOffSequence:
        // A sequence no item stands for is shown as its number and only written when changed.
        m_keptSequence.reset();
        if (const auto value = LeadingInteger(reply.text(0)))
            m_keptSequence = int(*value);
        if (m_keptSequence)
            ChoiceBox::show(*m_sequence, *m_keptSequence);
        else
            ChoiceBox::clear(*m_sequence);
        break;
    case deviceoid::PoeBudget:
        m_budget->setText(text);
        break;
    case deviceoid::PoeUsed:
        m_used->setText(text);
        break;
    case deviceoid::PoeLeft:
        m_left->setText(text);
        break;
    case deviceoid::PoeSupplied:
        m_supplied->setText(text);
        break;
    }
}

bool CPoeGlobalDlg::thresholdAccepted()
{
    const ThresholdRange* range = DeviceModel::current().isOneOf({DeviceModel::EpB1})   ? &epRange
                                  : DeviceModel::current().isOneOf({DeviceModel::ApB1}) ? &apRange
                                                                                     : nullptr;
    if (!range)
        return true;
    const std::optional<double> watts = ThresholdWatts(m_threshold->text());
    if (!watts || *watts < range->low || *watts > range->high) {
        MessageBox::info(QString::fromLatin1(range->message));
        return false;
    }
    return true;
}

// Each changed value is its own write; a threshold out of range stops Apply before anything is
// written.
void CPoeGlobalDlg::apply()
{
    const std::optional<int> sequence = ChoiceBox::value(*m_sequence);
    const bool sequenceChanged = sequence && sequence != m_keptSequence;
    const bool thresholdChanged = m_threshold->text() != m_keptThreshold;
    if (thresholdChanged && !thresholdAccepted())
        return;
    std::optional<SetRequest> threshold;
    if (thresholdChanged) {
        threshold.emplace().timeout(objectTimeoutMs)
            .octets(deviceoid::poeGlobal(deviceoid::PoeThreshold), TextToUtf8(m_threshold->text()));
    }
    if (!sequenceChanged) {
        writeThreshold(threshold, false);
        return;
    }
    SetRequest request;
    request.timeout(objectTimeoutMs).integer(deviceoid::poeGlobal(deviceoid::PoeShutOffSequence), *sequence);
    write(m_cCommonSNMPSet, {request},
          [this, threshold](const WriteResult& result) { writeThreshold(threshold, result.ok()); });
}

void CPoeGlobalDlg::writeThreshold(const std::optional<SetRequest>& threshold, bool written)
{
    if (!threshold) {
        reportWrite(written);
        return;
    }
    // The switch has always been sent the threshold twice; the second answer counts.
    write(m_cCommonSNMPSet, {*threshold, *threshold},
          [this, written](const WriteResult& result) { reportWrite(result.ok() || written); });
}

void CPoeGlobalDlg::reportWrite(bool written)
{
    if (!written) {
        MessageBox::info(QStringLiteral("check the data you input"));
        return;
    }
    MessageBox::info(QStringLiteral("set succeed,please wait for a moment"));
    refresh();
}
