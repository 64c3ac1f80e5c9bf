#include "CIMPBData.h"

#include "DeviceOids.h"
#include "MacText.h"
#include "PortHex.h"
#include "PortListText.h"

namespace {

namespace deviceoid = snmp::deviceoid;

std::vector<std::string> columns(std::string (*column)(int), std::initializer_list<int> numbers)
{
    std::vector<std::string> oids;
    for (int n : numbers)
        oids.push_back(column(n));
    return oids;
}

const std::string whiteListStatus = deviceoid::bindingWhiteListColumn(4);
// The switch wants a moment between the two scan writes, and before an entry is activated.
constexpr int stepPauseMs = 50;

} // namespace

CIMPBData::CIMPBData(PageSessions& sessions, int portCount) : CPortDataBase(sessions, portCount) {}

std::vector<std::string> CIMPBData::portSettingsColumns()
{
    return columns(deviceoid::bindingPortColumn, {1, 2, 3, 4});
}

// MAC, VID, IP, port, binding state.
std::vector<std::string> CIMPBData::scanColumns()
{
    return columns(deviceoid::bindingScanColumn, {1, 4, 3, 2, 5});
}

std::vector<std::string> CIMPBData::whiteListColumns()
{
    return columns(deviceoid::bindingWhiteListColumn, {1, 2, 3, 4});
}

std::vector<std::string> CIMPBData::blackListColumns()
{
    return columns(deviceoid::bindingBlackListColumn, {1, 2, 3, 4, 5});
}

CIMPBData::PortSettings CIMPBData::portSettings(const SnmpReply& row)
{
    auto enabledWhenOne = [&](int i) {
        return row.text(i) == "1" ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
    };
    // Inspection "1" is ARP only: IP packets are not inspected.
    return {row.qtext(0), enabledWhenOne(1), row.text(2) == "1" ? QStringLiteral("Disabled") : QStringLiteral("Enabled"),
            enabledWhenOne(3)};
}

CIMPBData::ScanEntry CIMPBData::scanEntry(const SnmpReply& row)
{
    return {MacOctetsText(row.text(0)), row.qtext(1), row.qtext(2), row.qtext(3), row.text(4) == "1", row.suffix(0)};
}

CIMPBData::WhiteListEntry CIMPBData::whiteListEntry(const SnmpReply& row) const
{
    return {row.qtext(0), MacOctetsText(row.text(1)), PortListToText(row.text(2), portCount()).text,
            row.text(3) == "1", row.suffix(0)};
}

CIMPBData::BlackListEntry CIMPBData::blackListEntry(const SnmpReply& row)
{
    return {MacOctetsText(row.text(0)), row.qtext(1), row.qtext(2), row.qtext(3), row.suffix(0)};
}

std::vector<SetRequest> CIMPBData::startScan(const QString& from, const QString& to, int command)
{
    std::vector<SetRequest> requests(2);
    requests[0].ipAddress(deviceoid::bindingScanFrom, from.toStdString()).ipAddress(deviceoid::bindingScanTo, to.toStdString());
    requests[1].pauseBefore(stepPauseMs).integer(deviceoid::bindingScanCommand, command);
    return requests;
}

NewTableRow CIMPBData::whiteListRow(const QString& ip, const QString& mac)
{
    return NewTableRow(whiteListStatus + "." + ip.toStdString() + MacTextToIndex(mac));
}

std::vector<SetRequest> CIMPBData::addToWhiteList(const NewTableRow& row, const QString& ip, const QString& mac,
                                                  const PortFlags& ports)
{
    std::vector<SetRequest> columns(1);
    columns[0].octets(deviceoid::bindingWhiteListColumn(3) + "." + ip.toStdString() + MacTextToIndex(mac),
                      PortFlagsToOctets(ports));
    return row.steps(std::move(columns), stepPauseMs);
}

SetRequest CIMPBData::deleteFromWhiteList(const std::string& index)
{
    SetRequest request;
    request.integer(whiteListStatus + index, RowDestroy);
    return request;
}

SetRequest CIMPBData::bindScanned(const std::string& index)
{
    SetRequest request;
    request.integer(deviceoid::bindingScanColumn(5) + index, 1);
    return request;
}

SetRequest CIMPBData::deleteFromBlackList(const std::string& index)
{
    SetRequest request;
    request.integer(deviceoid::bindingBlackListColumn(5) + index, 1);
    return request;
}

std::vector<SetRequest> CIMPBData::portSettingsWrite(int from, int to, int admin, int inspection, int snooping)
{
    std::vector<SetRequest> requests;
    for (int port = from; port <= to; ++port) {
        const std::string index = "." + std::to_string(port);
        requests.emplace_back()
            .integer(deviceoid::bindingPortColumn(2) + index, admin)
            .integer(deviceoid::bindingPortColumn(3) + index, inspection)
            .integer(deviceoid::bindingPortColumn(4) + index, snooping);
    }
    return requests;
}

bool CIMPBData::allowsBindingOn(int from, int to, int admin) const
{
    if (admin != 1)
        return true;
    for (int port = from; port <= to; ++port) {
        if (links().linkOf(port) != 0)
            return false;
    }
    return true;
}
