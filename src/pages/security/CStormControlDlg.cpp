#include "CStormControlDlg.h"

#include "DeviceModel.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
const std::string state = deviceoid::stormControl(deviceoid::StormState);
const std::string type = deviceoid::stormControl(deviceoid::StormType);
const std::string threshold = deviceoid::stormControl(deviceoid::StormThreshold);
constexpr int64_t maximumMultiple = 16000;

int unitOf(const DeviceModel& model)
{
    return model.isOneOf({DeviceModel::ApB1, DeviceModel::BpB1}) ? 63 : 64;
}

} // namespace

CStormControlDlg::CStormControlDlg() : CPageDialog(235), m_unit(unitOf(DeviceModel::current()))
{
    setWindowTitle(QStringLiteral("Storm Control"));
    auto* layout = new QVBoxLayout(this);
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable Storm Control "));
    layout->addWidget(m_enable);

    auto* fields = new QGridLayout;
    m_typeList = control<QComboBox>(IdType);
    m_typeList->addItems({QStringLiteral("Broadcast Only"), QStringLiteral("Multicast & Broadcast"),
                          QStringLiteral("Multicast & Broadcast & Unknown Unicast")});
    fields->addWidget(LabelFor(m_typeList, QStringLiteral("Storm Control Type"), this), 0, 0);
    fields->addWidget(m_typeList, 0, 1, 1, 6);

    auto* unit = control<QLineEdit>(IdUnit);
    unit->setReadOnly(true);
    unit->setText(QStringLiteral("%1Kbps  ").arg(m_unit));
    m_multiple = control<QLineEdit>(IdMultiple);
    m_result = control<QLineEdit>(IdThreshold);
    m_result->setReadOnly(true);
    const QString caption = QStringLiteral("Threshold(64Kbps * N)");
    fields->addWidget(LabelFor(m_multiple, caption, this), 1, 0);
    unit->setAccessibleName(caption);
    m_result->setAccessibleName(QStringLiteral("Kbps"));
    int column = 1;
    for (QWidget* part : {static_cast<QWidget*>(unit), static_cast<QWidget*>(new QLabel(QStringLiteral("*"), this)),
                          static_cast<QWidget*>(m_multiple), static_cast<QWidget*>(new QLabel(QStringLiteral("="), this)),
                          static_cast<QWidget*>(m_result), static_cast<QWidget*>(new QLabel(QStringLiteral("Kbps"), this))})
        fields->addWidget(part, 1, column++);
    fields->addWidget(new QLabel(QStringLiteral(" N = ( 1 - 16000 ) "), this), 2, 3, 1, 4);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
    applyButton()->setText(QStringLiteral("Apply"));

    connect(m_enable, &QCheckBox::clicked, this, &CStormControlDlg::enableFields);
    // However N was entered (typing, a paste, an accessibility tool), the result follows it.
    connect(m_multiple, &QLineEdit::textChanged, this, &CStormControlDlg::showThreshold);
    enableFields(false);
    resize(520, sizeHint().height());
}

void CStormControlDlg::enableFields(bool enabled)
{
    m_typeList->setEnabled(enabled);
    m_multiple->setEnabled(enabled);
}

void CStormControlDlg::showThreshold()
{
    const QString text = m_multiple->text();
    m_result->setText(text.isEmpty() ? QString() : QString::number(m_unit * LeadingInteger(text).value_or(0)));
}

void CStormControlDlg::read()
{
    readGet(m_cCommonSNMP, {state, type, threshold}, [this](const SnmpReply& reply) { showReply(reply); });
}

void CStormControlDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    m_state = reply.text(0);
    m_type = reply.text(1);
    m_threshold = reply.text(2);
    m_enable->setChecked(m_state == "1");
    enableFields(m_enable->isChecked());
    // A type the list does not know selects nothing and is never written back as another.
    const int typeValue = int(LeadingInteger(m_type).value_or(0));
    m_typeList->setCurrentIndex(typeValue >= 1 && typeValue <= m_typeList->count() ? typeValue - 1 : -1);
    const int64_t thresholdValue = LeadingInteger(m_threshold).value_or(0);
    m_multiple->setText(QString::number(thresholdValue / m_unit));
    m_result->setText(QString::fromStdString(m_threshold));
}

void CStormControlDlg::apply()
{
    const auto multiple = LeadingInteger(m_multiple->text());
    if (!multiple || *multiple < 1 || *multiple > maximumMultiple) {
        MessageBox::info(QStringLiteral("Invalid input of N ( input range must between 1~16000)"));
        return;
    }
    const std::string newState = m_enable->isChecked() ? "1" : "2";
    const std::string newThreshold = std::to_string(m_unit * *multiple);
    SetRequest request;
    if (newState != m_state)
        request.add(state, snmp::Syntax::Integer, newState);
    if (newState == "1") {
        if (m_typeList->currentIndex() >= 0) {
            const std::string newType = std::to_string(m_typeList->currentIndex() + 1);
            if (newType != m_type)
                request.add(type, snmp::Syntax::Integer, newType);
        }
        if (newThreshold != m_threshold)
            request.add(threshold, snmp::Syntax::Integer, newThreshold);
    }
    if (request.empty()) {
        refresh();
        return;
    }
    write(m_cCommonSNMPSet, {request}, [this](const WriteResult&) { refresh(); });
}
