#include "CBandwidthDlg.h"

#include "CListView.h"
#include "DeviceModel.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortRangePair.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
// The limits of each port, indexed by port: .2 transmit, .3 receive (kbit/s, 0 = no limit).
const std::string portColumn = deviceoid::bandwidthColumn(1);
const std::string transmitColumn = deviceoid::bandwidthColumn(2);
const std::string receiveColumn = deviceoid::bandwidthColumn(3);
enum TypeItem { TypeRx, TypeTx, TypeBoth };
enum NoLimitItem { NoLimitEnabled, NoLimitDisabled };
constexpr int64_t minimumRate = 63;
constexpr int64_t maximumRate = 1000000;
constexpr int resolution = 63; // kbit/s

QString limitText(const QString& value)
{
    return value == QLatin1String("0") ? QStringLiteral("No Limit") : value;
}

} // namespace

CBandwidthDlg::CBandwidthDlg()
    : CPageDialog(233), m_portCount(DeviceProfile::current().portCount()), m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("BandWidth Control"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    m_from = control<QComboBox>(IdFromPort);
    m_to = control<QComboBox>(IdToPort);
    m_range = new PortRangePair(m_from, m_to, m_portCount,
                                QStringLiteral(" \"To port\"cannot be smaller than \"From Port\" "));
    m_type = control<QComboBox>(IdType);
    m_type->addItems({QStringLiteral("Rx"), QStringLiteral("Tx"), QStringLiteral("Both")});
    m_noLimit = control<QComboBox>(IdNoLimit);
    m_noLimit->addItems({QStringLiteral("Enabled"), QStringLiteral("Disabled")});
    m_rate = control<QLineEdit>(IdRate);
    auto* range = new QLabel(QStringLiteral("Rate(%1-%2)").arg(minimumRate).arg(maximumRate), this);
    range->setObjectName(QString::number(IdRange));
    int column = 0;
    for (auto [field, caption] : {std::pair<QWidget*, const char*>{m_from, "FromPort"},
                                  {m_to, "ToPort"},
                                  {m_type, "Type"},
                                  {m_noLimit, "No Limit"}}) {
        fields->addWidget(LabelFor(field, QString::fromLatin1(caption), this), 0, column);
        fields->addWidget(field, 1, column++);
    }
    fields->addWidget(range, 0, column);
    range->setBuddy(m_rate); // the range label names the rate edit
    m_rate->setAccessibleName(range->text());
    auto* rate = new QHBoxLayout;
    rate->addWidget(m_rate);
    rate->addWidget(new QLabel(QStringLiteral("Kbits/sec "), this));
    fields->addLayout(rate, 1, column);
    layout->addLayout(fields);

    m_list = new CListView(IdList,
                           {QStringLiteral("Port"), QStringLiteral("Tx Rate (Kbits/sec)"), QStringLiteral("Rx Rate (Kbits/sec)")},
                           this);
    m_list->setAccessibleName(windowTitle());
    for (auto [c, width] : {std::pair{0, 100}, {1, 195}, {2, 195}})
        m_list->horizontalHeader()->resizeSection(c, width);
    layout->addWidget(m_list, 1);

    // The note on the rate resolution; the models without it have none.
    const DeviceModel model = DeviceModel::current();
    const QString resolutionOf = model.isOneOf({DeviceModel::AB1, DeviceModel::ApB1})
                                     ? QStringLiteral("the resolution of  Tx adn Rx bandwidth control is %1 Kbits/sec.")
                                     : QStringLiteral("the resolution of Giga-port Tx bandwidth control is %1 Kbits/sec.");
    m_note = new QLabel(QStringLiteral("Note:The multiple of %1 Kbits/sec will be set automatically because \r\n")
                                .arg(resolution) +
                            resolutionOf.arg(resolution),
                        this);
    m_note->setObjectName(QString::number(IdNote));
    // Decided by the model, not by isVisible(): nothing is visible before the page is shown.
    const bool noted = !model.isOneOf({DeviceModel::EpB1, DeviceModel::CB1});
    m_note->setVisible(noted);
    layout->addWidget(m_note);
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
    refreshButton()->setText(QStringLiteral("Refresh"));
    applyButton()->setText(QStringLiteral("Apply"));

    connect(m_noLimit, &QComboBox::currentIndexChanged, this,
            [this](int item) { m_rate->setEnabled(item != NoLimitEnabled); });
    resetControls();
    resize(m_list->fullWidth() + 40, noted ? 470 : 420);
}

void CBandwidthDlg::resetControls()
{
    m_from->setCurrentIndex(0);
    m_to->setCurrentIndex(m_to->count() - 1);
    m_rate->clear();
    m_noLimit->setCurrentIndex(NoLimitDisabled);
    m_type->setCurrentIndex(TypeRx);
}

void CBandwidthDlg::read()
{
    readLinks(m_data.links());
    m_list->clearRows();
    readWalk(m_data.m_cCommonSNMP, {portColumn, transmitColumn, receiveColumn},
             [this](const SnmpReply& row) { takeRow(row); });
}

void CBandwidthDlg::takeRow(const SnmpReply& row)
{
    const int r = m_list->appendRow(row.qtext(0));
    m_list->setCell(r, 1, limitText(row.qtext(1)));
    m_list->setCell(r, 2, limitText(row.qtext(2)));
}

std::optional<int64_t> CBandwidthDlg::chosenRate()
{
    if (m_noLimit->currentIndex() == NoLimitEnabled)
        return 0;
    const auto rate = LeadingInteger(m_rate->text());
    if (!rate || *rate < minimumRate || *rate > maximumRate) {
        MessageBox::info(QStringLiteral("Invalid Rate."));
        return std::nullopt;
    }
    return rate;
}

void CBandwidthDlg::apply()
{
    const auto rate = chosenRate();
    if (!rate)
        return;
    const int from = m_range->fromPort();
    const int to = std::min(m_range->toPort(), m_portCount);
    QStringList linked;
    for (int port = from; port <= to; ++port) {
        if (m_data.links().linkOf(port) != 0)
            linked << QString::number(port);
    }
    if (!linked.isEmpty()) {
        MessageBox::info(QStringLiteral("You can't set the rate of Ports:") + linked.join(QLatin1Char(',')) +
                         QStringLiteral(".because they are in aggregated link."));
        return;
    }
    const int type = m_type->currentIndex();
    std::vector<SetRequest> requests;
    for (int port = std::max(from, 1); port <= to; ++port) {
        SetRequest& request = requests.emplace_back();
        const std::string index = "." + std::to_string(port);
        if (type == TypeRx || type == TypeBoth)
            request.integer(receiveColumn + index, *rate);
        if (type == TypeTx || type == TypeBoth)
            request.integer(transmitColumn + index, *rate);
    }
    write(m_data.m_cCommonSNMPSet, requests, [this](const WriteResult&) {
        resetControls();
        refresh();
    });
}
