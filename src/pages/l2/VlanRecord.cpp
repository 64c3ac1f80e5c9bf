#include "VlanRecord.h"

#include "NumberText.h"
#include "PortListText.h"
#include "Utf8Text.h"

#include <algorithm>

VlanRecord MakeVlanRecord(int vid, const std::string& nameBytes, std::string egressOctets, std::string untaggedOctets,
                          int portCount)
{
    VlanRecord record;
    record.vid = vid;
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
