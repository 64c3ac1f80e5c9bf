#include "VlanRecord.h"

#include "RowStatus.h"
#include "DeviceOids.h"
#include "NumberText.h"
#include "PortHex.h"
#include "PortListText.h"
#include "Utf8Text.h"

#include <algorithm>

VlanRecord MakeVlanRecord(int vid, const std::string& nameBytes, std::string egressOctets, std::string untaggedOctets,
                          int portCount)
{
    VlanRecord record;
    record.vid = vid;
    record.nameBytes = nameBytes;
    record.name = TextFromUtf8(nameBytes);
    record.egressOctets = std::move(egressOctets);
    record.untaggedOctets = std::move(untaggedOctets);
    const PortText egress = PortListToText(record.egressOctets, portCount);
    const PortText untagged = PortListToText(record.untaggedOctets, portCount);
    record.egress = egress.text;
    record.egressCount = egress.count;
    record.untagged = untagged.text;
    record.untaggedCount = untagged.count;
    return record;
}

std::optional<VlanRecord> VlanRecordFromRow(const SnmpReply& row, int portCount)
{
    const auto vid = row.index(0);
    if (row.count() < 4 || row.text(3) != "1" || !vid || *vid < 1 || *vid > 4095)
        return std::nullopt;
    return MakeVlanRecord(int(*vid), row.text(0), row.text(1), row.text(2), portCount);
}

const VlanRecord* FindVlan(const VlanRecords& records, long long vid)
{
    const auto it = std::find_if(records.begin(), records.end(), [&](const VlanRecord& r) { return r.vid == vid; });
    return it == records.end() ? nullptr : &*it;
}

namespace {

// The switch takes the row's activation only a moment after its name.
constexpr int activatePauseMs = 50;

std::string vlanCell(int column, int vid)
{
    return snmp::deviceoid::vlanColumn(column) + "." + std::to_string(vid);
}

// A PortList as read; a record that holds only the port text gets the PortList of that text.
std::string portsAsRead(const std::string& octets, const QString& text, int portCount)
{
    if (!octets.empty())
        return octets;
    PortFlags flags(std::size_t(std::max(portCount, 0)), 0);
    MarkListedPorts(text, flags, 1);
    return PortFlagsToOctets(flags);
}

} // namespace

std::vector<SetRequest> VlanPutBackSteps(VlanWrite write, int vid, const VlanRecord& before, const WriteResult& result,
                                         int portCount)
{
    namespace deviceoid = snmp::deviceoid;
    std::vector<SetRequest> steps;
    const bool nothingChanged = result.completed == 0 && result.status > 0;
    if (result.ok() || nothingChanged)
        return steps;
    if (write == VlanWrite::Create) {
        steps.emplace_back().integer(vlanCell(deviceoid::VlanRowStatus, vid), RowDestroy);
        return steps;
    }
    // Without the VLAN as read there is nothing to write back but its activation.
    if (before.vid == vid) {
        steps.emplace_back().octets(vlanCell(deviceoid::VlanName, vid), before.nameBytes);
        steps.emplace_back().octets(vlanCell(deviceoid::VlanEgress, vid),
                                    portsAsRead(before.egressOctets, before.egress, portCount));
        steps.emplace_back().octets(vlanCell(deviceoid::VlanUntagged, vid),
                                    portsAsRead(before.untaggedOctets, before.untagged, portCount));
    }
    steps.emplace_back().pauseBefore(activatePauseMs).integer(vlanCell(deviceoid::VlanRowStatus, vid), RowActive);
    return steps;
}
