#include "CIgmpSnoopingDlg.h"

#include "CIgmpVlanDlg.h"
#include "DeviceProfile.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

using Data = CIgmpSnoopingData;

constexpr int globalReadTimeoutMs = 4000;

// The number fields in the order of the page, and of Apply's checks.
struct NumberField {
    Data::GlobalField field;
    int controlId;
    const char* caption;
    long long lowest;
    long long highest;
    const char* message;
};
const NumberField pageOrder[] = {
    {Data::HostTimeout, CIgmpSnoopingDlg::IdHostTimeout, "Host Timeout(130-153025 sec)", 130, 153025,
     "Invalid Host Timeout (130-153025 sec)."},
    {Data::Robustness, CIgmpSnoopingDlg::IdRobustness, "Robustness Variable(2-255)", 2, 255,
     "Invalid Robustness Variable (2-255)."},
    {Data::QueryInterval, CIgmpSnoopingDlg::IdQueryInterval, "Query Interval(60-600 sec)", 60, 600,
     "Invalid Query Interval (60-600 sec)."},
    {Data::RouterTimeout, CIgmpSnoopingDlg::IdRouterTimeout, "Router Timeout(60-600 sec)", 60, 600,
     "Invalid Router Timeout (60-600 sec)."},
    {Data::LastMemberQueryInterval, CIgmpSnoopingDlg::IdLastMemberQueryInterval, "Last Member Query Interval(1-25 sec)",
     1, 25, "Invalid Last Member Query Interval (1-25 sec)."},
    {Data::MaxResponseTime, CIgmpSnoopingDlg::IdMaxResponseTime, "Max Response Time(10-25 sec)", 10, 25,
     "Invalid Max. Response Time (10-25 sec)."},
};
const Data::GlobalField checkOrder[] = {Data::HostTimeout,  Data::RouterTimeout, Data::Robustness,
                                        Data::LastMemberQueryInterval, Data::QueryInterval, Data::MaxResponseTime};

const NumberField& numberField(Data::GlobalField field)
{
    return *std::find_if(std::begin(pageOrder), std::end(pageOrder), [&](const NumberField& f) { return f.field == field; });
}

} // namespace

CIgmpSnoopingDlg::CIgmpSnoopingDlg()
    : CPageDialog(211), m_data(sessions(), DeviceProfile::current().portCount())
{
    setWindowTitle(QStringLiteral("IGMP Snooping Configuration"));
    auto* layout = new QVBoxLayout(this);
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable IGMP Snooping "));
    m_reportToAll = control<QCheckBox>(IdReportToAll, QStringLiteral("Report to all ports"));
    auto* grid = new FieldGrid(this);
    grid->addSpanningRow(m_enable);
    grid->addSpanningRow(m_reportToAll);
    for (const NumberField& f : pageOrder) {
        auto* field = control<QLineEdit>(f.controlId);
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
        grid->addRow(QString::fromLatin1(f.caption), field);
        m_edits[std::size_t(f.field)] = field;
    }
    layout->addLayout(grid);
    auto* note = new QLabel(QStringLiteral("Note: The Host Timeout was computed automatically in Querier Enabled by\n "
                                           "(Robustness Variable * Query Interval + Max Response Time)."),
                            this);
    layout->addWidget(note);

    QHBoxLayout* buttons = commandButtons(IdRefresh, IdApply, IdClose);
    QPushButton* vlanInfo = addButton(QStringLiteral("&IGMP Vlan Info"), IdVlanInfo);
    buttons->insertWidget(0, vlanInfo);
    layout->addLayout(buttons);

    connect(m_enable, &QCheckBox::clicked, this, [this](bool checked) { enableFields(checked); });
    connect(vlanInfo, &QPushButton::clicked, this, &CIgmpSnoopingDlg::openVlanSettings);
    enableFields(false);
}

QLineEdit* CIgmpSnoopingDlg::edit(Field field) const
{
    return m_edits[std::size_t(field)];
}

void CIgmpSnoopingDlg::enableFields(bool enabled)
{
    m_reportToAll->setEnabled(enabled);
    for (const NumberField& f : pageOrder)
        edit(f.field)->setEnabled(enabled);
}

void CIgmpSnoopingDlg::read()
{
    readGet(m_data.m_cCommonSNMP, Data::globalObjects(), [this](const SnmpReply& reply) { showGlobals(reply); },
            globalReadTimeoutMs);
}

void CIgmpSnoopingDlg::showGlobals(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    const Data::IgmpGlobalValues& values = m_data.takeGlobals(reply);
    const bool enabled = values[Data::State] == QLatin1String("1");
    m_enable->setChecked(enabled);
    m_reportToAll->setChecked(values[Data::ReportToAll] == QLatin1String("1"));
    for (const NumberField& f : pageOrder)
        edit(f.field)->setText(values[std::size_t(f.field)]);
    enableFields(enabled);
}

bool CIgmpSnoopingDlg::inRange(const Data::IgmpGlobalValues& values) const
{
    for (Data::GlobalField field : checkOrder) {
        const NumberField& f = numberField(field);
        const auto value = LeadingInteger(values[std::size_t(field)]);
        if (!value || *value < f.lowest || *value > f.highest) {
            MessageBox::info(QString::fromLatin1(f.message));
            return false;
        }
    }
    return true;
}

void CIgmpSnoopingDlg::apply()
{
    Data::IgmpGlobalValues values;
    values[Data::State] = m_enable->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
    values[Data::ReportToAll] = m_reportToAll->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
    for (const NumberField& f : pageOrder)
        values[std::size_t(f.field)] = edit(f.field)->text();
    if (!inRange(values))
        return;
    if (values[Data::State] == QLatin1String("2") &&
        !MessageBox::question(QStringLiteral("All router ports will be deleted."))) {
        refresh();
        return;
    }
    const std::vector<SetRequest> requests = m_data.globalWrite(values);
    if (requests.empty()) {
        refresh();
        return;
    }
    write(m_data.m_cCommonSNMPSet, requests, [this](const WriteResult&) { refresh(); });
}

// The VLAN settings can be changed only while snooping is on, as last read.
void CIgmpSnoopingDlg::openVlanSettings()
{
    CIgmpVlanDlg vlans(m_data.lastGlobals()[Data::State] == QLatin1String("1"));
    vlans.exec();
}
