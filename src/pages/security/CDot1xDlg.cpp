#include "CDot1xDlg.h"

#include "CDot1xPortDlg.h"
#include "CIpAddressEdit.h"
#include "CListView.h"
#include "DeviceOids.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "TypingLimit.h"
#include "Utf8Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
constexpr int keyChars = 33;

// A timer field: its object, the range the switch takes and the message outside it.
struct Timer {
    int object;
    int64_t minimum, maximum;
    const char* message;
};
// In the order they are checked and written.
constexpr Timer timers[] = {
    {deviceoid::Dot1xQuietPeriod, 0, 65535, "Invalid QuietPeriod (0-65535)"},
    {deviceoid::Dot1xTxPeriod, 1, 65535, "Invalid TxPeriod (1-65535)"},
    {deviceoid::Dot1xSuppTimeout, 1, 65535, "Invalid SuppTimeout (1-65535)"},
    {deviceoid::Dot1xServerTimeout, 1, 65535, "Invalid ServerTimeout (1-65535)"},
    {deviceoid::Dot1xMaxReq, 1, 10, "Invalid MaxReq (1-10)"},
    {deviceoid::Dot1xReAuthPeriod, 1, 4294967295LL, "Invalid ReAuthPeriod (1-4294967295)"},
};

} // namespace

CDot1xDlg::CDot1xDlg() : CPageDialog(468)
{
    setWindowTitle(QStringLiteral("802.1X Config Information"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("802.1X Global Setting"), this);
    auto* grid = new FieldGrid(group);
    group->setLayout(grid);

    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable 802.1X"));
    m_server = control<CIpAddressEdit>(IdServer);
    m_key = control<QLineEdit>(IdKey);
    m_confirmKey = control<QLineEdit>(IdConfirmKey);
    for (QLineEdit* key : {m_key, m_confirmKey}) {
        key->setEchoMode(QLineEdit::Password);
        TypingLimit::apply(key, keyChars);
    }
    m_txPeriod = control<QLineEdit>(IdTxPeriod);
    m_quietPeriod = control<QLineEdit>(IdQuietPeriod);
    m_suppTimeout = control<QLineEdit>(IdSuppTimeout);
    m_serverTimeout = control<QLineEdit>(IdServerTimeout);
    m_maxReq = control<QLineEdit>(IdMaxReq);
    m_reAuthPeriod = control<QLineEdit>(IdReAuthPeriod);
    m_reAuthEnabled = control<QComboBox>(IdReAuthEnabled);
    m_reAuthEnabled->addItems({QStringLiteral("Enable"), QStringLiteral("Disabled")});

    grid->addSpanningRow(m_enable);
    grid->addRow(QStringLiteral("Radius Server IP:"), m_server);
    grid->addRow(QStringLiteral("Key:"), m_key);
    grid->addRow(QStringLiteral("Confirm Key:"), m_confirmKey);
    for (auto [field, caption, chars] : {std::tuple<QLineEdit*, const char*, int>{m_txPeriod, "TxPeriod(1-65535 sec)", 5},
                                         {m_quietPeriod, "QuietPeriod(0-65535 sec)", 5},
                                         {m_suppTimeout, "SuppTimeout(1-65535 sec)", 5},
                                         {m_serverTimeout, "ServerTimeout(1-65535 sec)", 5},
                                         {m_maxReq, "MaxReq(1-10)", 2},
                                         {m_reAuthPeriod, "ReAuthPeriod(1-4294967295 sec)", 10}}) {
        TypingLimit::apply(field, chars);
        grid->addRow(QString::fromLatin1(caption), field);
    }
    grid->addRow(QStringLiteral("ReAuthEnabled"), m_reAuthEnabled);
    layout->addWidget(group);

    // Part of the page's layout since its first version, but never shown nor used.
    auto* hidden = new CListView(IdHiddenList,
                                 {QStringLiteral("Index"), QStringLiteral("AuthControlledPortStatus"),
                                  QStringLiteral("AuthControlledPortControl"), QStringLiteral("QuietPeriod"),
                                  QStringLiteral("TxPeriod"), QStringLiteral("SuppTimeout"), QStringLiteral("ServerTimeout"),
                                  QStringLiteral("MaxReq"), QStringLiteral("ReAuthPeriod"), QStringLiteral("ReAuthEnabled")},
                                 this);
    hidden->hide();

    m_portSet = addButton(QStringLiteral("&PortSet"), IdPortSet);
    connect(m_portSet, &QPushButton::clicked, this, &CDot1xDlg::openPortPage);
    QHBoxLayout* buttons = commandButtons(IdRefresh, IdApply, IdClose);
    buttons->insertWidget(2, m_portSet);
    layout->addLayout(buttons);

    connect(m_enable, &QCheckBox::clicked, this, &CDot1xDlg::enableFields);
    enableFields(false);
    m_portSet->setEnabled(false);
    resize(420, sizeHint().height());
}

void CDot1xDlg::enableFields(bool enabled)
{
    for (QWidget* field : std::initializer_list<QWidget*>{m_server, m_key, m_confirmKey, m_quietPeriod, m_txPeriod,
                                                          m_suppTimeout, m_serverTimeout, m_maxReq, m_reAuthPeriod,
                                                          m_reAuthEnabled})
        field->setEnabled(enabled);
}

// Apply waits for the read: with the fields still empty it would switch 802.1X off.
void CDot1xDlg::read()
{
    m_portSet->setEnabled(false);
    std::vector<std::string> oids{deviceoid::dot1xState, deviceoid::radius(deviceoid::RadiusServer),
                                  deviceoid::radius(deviceoid::RadiusKey)};
    for (const Timer& timer : timers)
        oids.push_back(deviceoid::dot1x(timer.object));
    oids.push_back(deviceoid::dot1x(deviceoid::Dot1xReAuthEnabled));
    readGet(m_cCommonSNMP, oids, [this](const SnmpReply& reply) { showReply(reply); });
}

void CDot1xDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    const bool enabled = reply.text(0) == "1";
    m_enable->setChecked(enabled);
    enableFields(enabled);
    m_portSet->setEnabled(enabled);
    m_server->setText(reply.qtext(1));
    m_key->setText(TextFromUtf8(reply.text(2)));
    m_confirmKey->setText(m_key->text());
    int i = 3;
    for (QLineEdit* field : {m_quietPeriod, m_txPeriod, m_suppTimeout, m_serverTimeout, m_maxReq, m_reAuthPeriod})
        field->setText(reply.qtext(i++));
    m_reAuthEnabled->setCurrentIndex(reply.text(i) == "1" ? 0 : 1);
}

bool CDot1xDlg::passesServerChecks(const QString& address)
{
    const QString first = address.section(QLatin1Char('.'), 0, 0);
    const QString last = address.section(QLatin1Char('.'), -1);
    if (address == QLatin1String("0.0.0.0") || first == QLatin1String("0") || first == QLatin1String("255") ||
        last == QLatin1String("0") || last == QLatin1String("255")) {
        MessageBox::info(QStringLiteral("Invalid RADIUS Server IP Address."));
        return false;
    }
    if (m_key->text().isEmpty()) {
        MessageBox::info(QStringLiteral("Invalid Key."));
        return false;
    }
    if (m_key->text() != m_confirmKey->text()) {
        MessageBox::info(QStringLiteral("Please confirm the key again !"));
        return false;
    }
    return true;
}

std::optional<SetRequest> CDot1xDlg::timerSettings()
{
    SetRequest request;
    const QLineEdit* fields[] = {m_quietPeriod, m_txPeriod, m_suppTimeout, m_serverTimeout, m_maxReq, m_reAuthPeriod};
    for (std::size_t i = 0; i < std::size(timers); ++i) {
        const Timer& timer = timers[i];
        const auto value = LeadingInteger(fields[i]->text());
        if (!value || *value < timer.minimum || *value > timer.maximum) {
            MessageBox::info(QString::fromLatin1(timer.message));
            return std::nullopt;
        }
        if (timer.object == deviceoid::Dot1xReAuthPeriod)
            request.unsigned32(deviceoid::dot1x(timer.object), static_cast<unsigned long long>(*value));
        else
            request.integer(deviceoid::dot1x(timer.object), *value);
    }
    request.integer(deviceoid::dot1x(deviceoid::Dot1xReAuthEnabled), m_reAuthEnabled->currentIndex() == 0 ? 1 : 2);
    return request;
}

// With 802.1X on, every check runs first (server and key, then the timers); then the server and
// key, the state and the timers are written in that order, stopping at the first failure.
void CDot1xDlg::apply()
{
    SetRequest state;
    if (!m_enable->isChecked()) {
        state.integer(deviceoid::dot1xState, 2);
        write(m_cCommonSNMPSet, {state}, [this](const WriteResult&) { refresh(); });
        return;
    }
    // A blank address control holds 0.0.0.0.
    const QString address = m_server->isBlank() ? QStringLiteral("0.0.0.0") : m_server->text();
    if (!passesServerChecks(address))
        return;
    std::optional<SetRequest> timerRequest = timerSettings();
    if (!timerRequest)
        return;
    std::vector<SetRequest> requests(2);
    requests[0]
        .ipAddress(deviceoid::radius(deviceoid::RadiusServer), address.toStdString())
        .octets(deviceoid::radius(deviceoid::RadiusKey), TextToUtf8(m_key->text()));
    requests[1].integer(deviceoid::dot1xState, 1);
    requests.push_back(std::move(*timerRequest));
    write(m_cCommonSNMPSet, requests, [this](const WriteResult&) { refresh(); });
}

QStringList CDot1xDlg::timerTexts() const
{
    return {m_quietPeriod->text(), m_txPeriod->text(),      m_suppTimeout->text(),         m_serverTimeout->text(),
            m_maxReq->text(),      m_reAuthPeriod->text(), m_reAuthEnabled->currentText()};
}

void CDot1xDlg::openPortPage()
{
    CDot1xPortDlg page(timerTexts());
    page.exec();
}
