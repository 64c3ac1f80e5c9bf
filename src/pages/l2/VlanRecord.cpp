#include "VlanRecord.h"

#include "NumberText.h"
#include "PortListText.h"
#include "Utf8Text.h"

#include <algorithm>

std::optional<VlanRecord> VlanRecordFromRow(const SnmpReply& row, int portCount)
{
    const std::string index = row.suffix(0);
    if (row.count() < 4 || row.text(3) != "1" || index.size() < 2 || index[0] != '.' ||
        index.find('.', 1) != std::string::npos)
        return std::nullopt;
    const auto vid = LeadingInteger(std::string_view(index).substr(1));
    if (!vid || *vid < 1 || *vid > 4095)
        return std::nullopt;
    VlanRecord record;
    record.vid = int(*vid);
    record.name = TextFromUtf8(row.text(0));
    record.egressOctets = row.text(1);
    record.untaggedOctets = row.text(2);
    const PortText egress = PortListToText(record.egressOctets, portCount);
    const PortText untagged = PortListToText(record.untaggedOctets, portCount);
    record.egress = egress.text;
    record.egressCount = egress.count;
    record.untagged = untagged.text;
    record.untaggedCount = untagged.count;
    return record;
}

const VlanRecord* FindVlan(const VlanRecords& records, long long vid)
{
    const auto it = std::find_if(records.begin(), records.end(), [&](const VlanRecord& r) { return r.vid == vid; });
    return it == records.end() ? nullptr : &*it;
}
