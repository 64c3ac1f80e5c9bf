#include "SnmpAgentRecords.h"

#include "SnmpAgentIndex.h"
#include "Utf8Text.h"

namespace {

void takeRow(AgentRow& record, const SnmpReply& row, int statusPosition)
{
    record.status = row.text(statusPosition);
    record.index = row.suffix(0);
}

QString textAt(const SnmpReply& row, int position)
{
    return TextFromUtf8(row.text(position));
}

} // namespace

CommunityRecord CommunityRecord::from(const SnmpReply& row)
{
    CommunityRecord record;
    takeRow(record, row, 2);
    record.name = textAt(row, 0);
    record.viewPolicy = textAt(row, 1);
    return record;
}

SnmpUserRecord SnmpUserRecord::from(const SnmpReply& row)
{
    SnmpUserRecord record;
    takeRow(record, row, 7);
    record.name = textAt(row, 0);
    record.version = UserVersionText(row.text(1));
    record.group = textAt(row, 2);
    record.authProtocol = AuthProtocolText(row.text(3));
    record.authKey = textAt(row, 4);
    record.privProtocol = PrivProtocolText(row.text(5));
    record.privKey = textAt(row, 6);
    return record;
}

SnmpHostRecord SnmpHostRecord::from(const SnmpReply& row)
{
    SnmpHostRecord record;
    takeRow(record, row, 3);
    record.name = textAt(row, 0);
    // The address column is an IpAddress; the row's index (".a.b.c.d") holds it as well.
    const bool ipAddress = row.count() > 1 && row.values[1].tag == snmp::Ber::IpAddress;
    record.address = ipAddress ? row.qtext(1) : QString::fromStdString(record.index).mid(1);
    record.version = HostVersionText(row.text(2));
    return record;
}

SnmpGroupRecord SnmpGroupRecord::from(const SnmpReply& row)
{
    SnmpGroupRecord record;
    takeRow(record, row, 6);
    record.name = textAt(row, 0);
    record.model = SecurityModelText(row.text(1));
    record.level = SecurityLevelText(row.text(2));
    record.readView = textAt(row, 3);
    record.writeView = textAt(row, 4);
    record.notifyView = textAt(row, 5);
    return record;
}

SnmpViewRecord SnmpViewRecord::from(const SnmpReply& row)
{
    SnmpViewRecord record;
    takeRow(record, row, 3);
    record.name = textAt(row, 0);
    record.subtree = ViewSubtreeOfIndex(record.index);
    record.mask = ViewMaskText(row.text(1));
    record.type = ViewTypeText(row.text(2));
    return record;
}
