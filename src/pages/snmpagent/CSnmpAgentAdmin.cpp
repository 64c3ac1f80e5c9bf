#include "CSnmpAgentAdmin.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "HexDigit.h"
#include "NameText.h"
#include "NumberText.h"
#include "Utf8Text.h"

#include <QByteArray>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QPushButton>

#include <algorithm>

namespace {

namespace deviceoid = snmp::deviceoid;

// The switch takes the steps of a row creation a moment apart.
constexpr int createStepPauseMs = 50;
constexpr int trapCount = 8;
constexpr int trapCountWithoutPoe = 5;

} // namespace

CSnmpAgentAdmin::CSnmpAgentAdmin(int templateId) : CPageDialog(templateId) {}

std::string CSnmpAgentAdmin::communityColumn(int column)
{
    return deviceoid::agentColumn(deviceoid::AgentCommunities, column);
}

std::string CSnmpAgentAdmin::hostColumn(int column)
{
    return deviceoid::agentColumn(deviceoid::AgentHosts, column);
}

std::string CSnmpAgentAdmin::userColumn(int column)
{
    return deviceoid::agentColumn(deviceoid::AgentUsers, column);
}

std::string CSnmpAgentAdmin::groupColumn(int column)
{
    return deviceoid::agentColumn(deviceoid::AgentGroups, column);
}

std::string CSnmpAgentAdmin::viewColumn(int column)
{
    return deviceoid::agentColumn(deviceoid::AgentViews, column);
}

SetRequest CSnmpAgentAdmin::communityPolicy(const QString& community, const QString& user)
{
    SetRequest request;
    request.octets(communityColumn(2) + NameIndex(community), TextToUtf8(user));
    return request;
}

SetRequest CSnmpAgentAdmin::hostSettings(const QString& address, const QString& name, int version)
{
    const std::string index = "." + address.toStdString();
    SetRequest request;
    request.octets(hostColumn(2) + index, TextToUtf8(name)).integer(hostColumn(3) + index, version);
    return request;
}

SetRequest CSnmpAgentAdmin::engineId(const QString& hexDigits)
{
    QString digits = hexDigits;
    if (digits.size() % 2 != 0)
        digits.prepend(QLatin1Char('0'));
    std::string bytes;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int high = HexDigitValue(digits[i].unicode());
        const int low = HexDigitValue(digits[i + 1].unicode());
        bytes += char((std::max(high, 0) << 4) | std::max(low, 0));
    }
    SetRequest request;
    request.octets(deviceoid::agentEngineId, std::move(bytes));
    return request;
}

SetRequest CSnmpAgentAdmin::traps(const TrapSettingsRecord& settings, bool poe)
{
    SetRequest request;
    const int count = poe ? trapCount : trapCountWithoutPoe;
    for (int i = 0; i < count; ++i)
        request.integer(deviceoid::agentTrap(i + 1), settings.values[std::size_t(i)] == "1" ? 1 : 2);
    return request;
}

SetRequest CSnmpAgentAdmin::agentState(bool enabled)
{
    SetRequest request;
    request.integer(deviceoid::agentState, enabled ? 1 : 2);
    return request;
}

std::vector<SetRequest> CSnmpAgentAdmin::userColumns(const std::string& index, const UserColumns& columns)
{
    std::vector<SetRequest> requests(1);
    requests[0].octets(userColumn(3) + index, TextToUtf8(columns.group));
    if (!columns.version3)
        return requests;
    SetRequest& protocols = requests.emplace_back();
    protocols.integer(userColumn(4) + index, columns.authProtocol);
    if (columns.privacy)
        protocols.integer(userColumn(6) + index, 2);
    SetRequest& passwords = requests.emplace_back();
    passwords.octets(userColumn(5) + index, TextToUtf8(columns.authPassword));
    if (columns.privacy)
        passwords.octets(userColumn(7) + index, TextToUtf8(columns.privPassword));
    return requests;
}

SetRequest CSnmpAgentAdmin::groupViews(const std::string& index, const QString& read, const QString& write,
                                       const QString& notify)
{
    SetRequest request;
    int column = 4;
    for (const QString* view : {&read, &write, &notify}) {
        if (!view->isEmpty())
            request.octets(groupColumn(column) + index, TextToUtf8(*view));
        ++column;
    }
    return request;
}

SetRequest CSnmpAgentAdmin::viewSettings(const std::string& index, const std::string& maskOctets, bool included)
{
    SetRequest request;
    request.octets(viewColumn(3) + index, maskOctets).integer(viewColumn(4) + index, included ? 1 : 2);
    return request;
}

template <class Record>
void CSnmpAgentAdmin::walkTable(CCommonSNMP& session, const std::vector<std::string>& columns,
                                std::function<void(const Record&)> onRow, PageSessions::EndHandler onEnd)
{
    readWalk(
        session, columns,
        [onRow = std::move(onRow)](const SnmpReply& reply) {
            const Record record = Record::from(reply);
            if (record.active())
                onRow(record);
        },
        std::move(onEnd), {0, int(columns.size())});
}

void CSnmpAgentAdmin::walkCommunities(std::function<void(const CommunityRecord&)> onRow,
                                      PageSessions::EndHandler onEnd)
{
    walkTable(m_cCommonSNMPTable, {communityColumn(1), communityColumn(2), communityColumn(3)}, std::move(onRow),
              std::move(onEnd));
}

void CSnmpAgentAdmin::walkUsers(std::function<void(const SnmpUserRecord&)> onRow, PageSessions::EndHandler onEnd)
{
    std::vector<std::string> columns;
    for (int c = 1; c <= 8; ++c)
        columns.push_back(userColumn(c));
    walkTable(m_cCommonSNMPGetUse, columns, std::move(onRow), std::move(onEnd));
}

void CSnmpAgentAdmin::walkHosts(std::function<void(const SnmpHostRecord&)> onRow, PageSessions::EndHandler onEnd)
{
    walkTable(m_cCommonSNMPTable, {hostColumn(2), hostColumn(1), hostColumn(3), hostColumn(4)}, std::move(onRow),
              std::move(onEnd));
}

void CSnmpAgentAdmin::walkGroups(std::function<void(const SnmpGroupRecord&)> onRow, PageSessions::EndHandler onEnd)
{
    std::vector<std::string> columns;
    for (int c = 1; c <= 7; ++c)
        columns.push_back(groupColumn(c));
    walkTable(m_cCommonSNMPTable, columns, std::move(onRow), std::move(onEnd));
}

void CSnmpAgentAdmin::walkViews(std::function<void(const SnmpViewRecord&)> onRow, PageSessions::EndHandler onEnd)
{
    walkTable(m_cCommonSNMPTable, {viewColumn(1), viewColumn(3), viewColumn(4), viewColumn(5)}, std::move(onRow),
              std::move(onEnd));
}

void CSnmpAgentAdmin::readAgentState(std::function<void(int state)> onState)
{
    readGet(m_cCommonSNMP, {deviceoid::agentState}, [onState = std::move(onState)](const SnmpReply& reply) {
        if (reply.ok() && reply.count() > 0)
            onState(int(LeadingInteger(reply.text(0)).value_or(0)));
    });
}

void CSnmpAgentAdmin::readEngineId(std::function<void(const QString& hexDigits)> onEngineId)
{
    readGet(m_cCommonSNMPTable, {deviceoid::agentEngineId},
            [onEngineId = std::move(onEngineId)](const SnmpReply& reply) {
                if (!reply.ok() || reply.count() == 0)
                    return;
                const std::string bytes = reply.text(0);
                onEngineId(QString::fromLatin1(QByteArray(bytes.data(), qsizetype(bytes.size())).toHex()));
            });
}

void CSnmpAgentAdmin::readTraps(bool poe, std::function<void(const TrapSettingsRecord&)> onTraps)
{
    const int count = poe ? trapCount : trapCountWithoutPoe;
    std::vector<std::string> oids;
    for (int i = 1; i <= count; ++i)
        oids.push_back(deviceoid::agentTrap(i));
    readGet(m_cCommonSNMP, oids, [onTraps = std::move(onTraps), count](const SnmpReply& reply) {
        if (!reply.ok())
            return;
        TrapSettingsRecord settings;
        for (int i = 0; i < count && i < reply.count(); ++i)
            settings.values[std::size_t(i)] = reply.text(i);
        onTraps(settings);
    });
}

void CSnmpAgentAdmin::send(const SetRequest& request, WriteContinuation then)
{
    write(m_cCommonSNMPSet, {request}, std::move(then));
}

void CSnmpAgentAdmin::setRowStatus(const std::string& statusOid, RowStatus status, WriteContinuation then)
{
    SetRequest request;
    request.integer(statusOid, status);
    send(request, std::move(then));
}

void CSnmpAgentAdmin::createRow(const std::string& statusOid, const std::vector<SetRequest>& columns,
                                WriteContinuation then)
{
    std::vector<SetRequest> paced;
    for (const SetRequest& column : columns) {
        if (!column.empty())
            paced.push_back(SetRequest(column).pauseBefore(createStepPauseMs));
    }
    const NewTableRow row(statusOid);
    writeNewRow(m_cCommonSNMPSet, row, row.steps(std::move(paced), createStepPauseMs), std::move(then));
}

QHBoxLayout* CSnmpAgentAdmin::tableButtons(int applyId, int deleteId, int refreshId, int closeId)
{
    QPushButton* apply = addButton(QStringLiteral("&Apply"), applyId);
    QPushButton* remove = addButton(QStringLiteral("&Delete"), deleteId);
    QPushButton* refreshButton = addButton(QStringLiteral("&Refresh"), refreshId);
    connect(apply, &QPushButton::clicked, this, [this] { this->apply(); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteSelected(); });
    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
    reads().addWriteControl(apply);
    reads().addWriteControl(remove);
    reads().addControl(refreshButton);
    return buttonRow({apply, remove, refreshButton, addCloseButton(closeId)});
}

int CSnmpAgentAdmin::selectedRow(const CListView* list)
{
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}
