#include "CPowerSaveData.h"

#include "DeviceOids.h"
#include "NumberText.h"
#include "PortListText.h"
#include "Utf8Text.h"

namespace {

namespace deviceoid = snmp::deviceoid;

// Walked row values, by column (value i is column i + 1).
enum Value {
    VIndex, VName, VDateUsed, VFromYear, VFromMonth, VFromDay, VStartHour, VStartMinute, VToYear, VToMonth, VToDay,
    VEndHour, VEndMinute, VMonday, VRowStatus = VMonday + 7, ValueCount
};
constexpr int selected = 1, notSelected = 2;
// The switch keeps a profile name in a buffer of 21 bytes.
constexpr std::size_t nameBufferBytes = 21;
// The switch needs a moment between creating a row and filling it.
constexpr int rowStepPauseMs = 50;

std::string cell(int column, int index)
{
    return deviceoid::timeProfileColumn(column) + "." + std::to_string(index);
}

int number(const SnmpReply& row, int value)
{
    return int(LeadingInteger(row.text(value)).value_or(0));
}

// Power-saving objects of each function, by part: ports, state, profile 1, profile 2 (system
// hibernation has no ports).
struct FunctionObjects {
    int type;
    const char* ports;
    const char* state;
    const char* profile1;
    const char* profile2;
};
constexpr FunctionObjects functions[] = {
    {PowerSavingRecord::LedShutoff, "1.1", "1.2", "1.3", "1.4"},
    {PowerSavingRecord::PortShutoff, "2.1", "2.2", "2.3", "2.4"},
    {PowerSavingRecord::SystemHibernation, nullptr, "4.1", "4.2", "4.3"},
    {PowerSavingRecord::PortStandby, "3.1", "3.2", "3.3", "3.4"},
};
const char* const cableLengthDetection = "5";
const char* const linkStatusDetection = "6";
// The switch keeps a profile name in a buffer of 21 bytes.
constexpr std::size_t profileBufferBytes = 21;

const FunctionObjects& objectsOf(int type)
{
    for (const FunctionObjects& f : functions) {
        if (f.type == type)
            return f;
    }
    return functions[0];
}

} // namespace

CPowerSaveData::CPowerSaveData(PageSessions& sessions, int portCount) : CPortDataBase(sessions, portCount) {}

std::vector<std::string> CPowerSaveData::profileColumns() const
{
    std::vector<std::string> columns;
    for (int c = deviceoid::TimeProfileIndex; c <= deviceoid::TimeProfileRowStatus; ++c)
        columns.push_back(deviceoid::timeProfileColumn(c));
    return columns;
}

std::string CPowerSaveData::profileNameColumn() const
{
    return deviceoid::timeProfileColumn(deviceoid::TimeProfileName);
}

TimeProfile CPowerSaveData::profileOf(const SnmpReply& row) const
{
    TimeProfile profile;
    if (row.count() < ValueCount)
        return profile;
    profile.index = number(row, VIndex);
    profile.name = TextFromUtf8(row.text(VName));
    profile.dateUsed = row.text(VDateUsed) == "1";
    profile.from = {number(row, VFromYear), number(row, VFromMonth), number(row, VFromDay)};
    profile.start = {number(row, VStartHour), number(row, VStartMinute)};
    profile.to = {number(row, VToYear), number(row, VToMonth), number(row, VToDay)};
    profile.end = {number(row, VEndHour), number(row, VEndMinute)};
    for (int d = 0; d < 7; ++d)
        profile.days[std::size_t(d)] = row.text(VMonday + d) == "1";
    profile.active = row.integer(VRowStatus) == RowActive;
    return profile;
}

NewTableRow CPowerSaveData::profileRow(int index) const
{
    return NewTableRow(cell(deviceoid::TimeProfileRowStatus, index));
}

// The switch takes the columns and "active" in one request, after the create.
std::vector<SetRequest> CPowerSaveData::addProfile(const TimeProfile& profile) const
{
    const int index = profile.index;
    const NewTableRow row = profileRow(index);
    std::vector<SetRequest> steps{row.create(), SetRequest()};
    SetRequest& columns = steps[1];
    columns.pauseBefore(rowStepPauseMs);
    columns.octets(cell(deviceoid::TimeProfileName, index), TextToUtf8(profile.name, nameBufferBytes))
        .integer(cell(deviceoid::TimeProfileDateUsed, index), profile.dateUsed ? 1 : 2);
    if (profile.dateUsed) {
        const int from = deviceoid::TimeProfileFromYear, to = deviceoid::TimeProfileToYear;
        columns.integer(cell(from, index), profile.from.year)
            .integer(cell(from + 1, index), profile.from.month)
            .integer(cell(from + 2, index), profile.from.day)
            .integer(cell(to, index), profile.to.year)
            .integer(cell(to + 1, index), profile.to.month)
            .integer(cell(to + 2, index), profile.to.day);
    }
    const int start = deviceoid::TimeProfileStartHour, end = deviceoid::TimeProfileEndHour;
    columns.integer(cell(start, index), profile.start.hour)
        .integer(cell(start + 1, index), profile.start.minute)
        .integer(cell(end, index), profile.end.hour)
        .integer(cell(end + 1, index), profile.end.minute);
    for (int d = 0; d < 7; ++d)
        columns.integer(cell(deviceoid::TimeProfileMonday + d, index), profile.days[std::size_t(d)] ? selected : notSelected);
    row.activate(columns);
    return steps;
}

SetRequest CPowerSaveData::deleteProfile(int index) const
{
    SetRequest request;
    request.integer(cell(deviceoid::TimeProfileRowStatus, index), RowDestroy);
    return request;
}

QString PowerSavingRecord::typeText() const
{
    switch (type) {
    case PortShutoff:
        return QStringLiteral("Port_Shutoff");
    case PortStandby:
        return QStringLiteral("Port_Standby");
    case SystemHibernation:
        return QStringLiteral("System_Hibernation");
    default:
        return QStringLiteral("LED_Shutoff");
    }
}

QString PowerSavingRecord::stateText() const
{
    return enabled ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
}

QString PowerSavingRecord::portText(int portCount) const
{
    return type == SystemHibernation ? QStringLiteral("All Port") : PortListToText(ports, portCount).text;
}

// The objects in the order of the read: per function (ports), state, profile 1, profile 2; then
// the detection switches.
std::vector<std::string> CPowerSaveData::powerSavingOids(bool withStandby) const
{
    std::vector<std::string> oids;
    for (const FunctionObjects& f : functions) {
        if (f.type == PowerSavingRecord::PortStandby && !withStandby)
            continue;
        for (const char* part : {f.ports, f.state, f.profile1, f.profile2}) {
            if (part)
                oids.push_back(deviceoid::powerSaving(part));
        }
    }
    if (withStandby) {
        oids.push_back(deviceoid::powerSaving(cableLengthDetection));
        oids.push_back(deviceoid::powerSaving(linkStatusDetection));
    }
    return oids;
}

std::map<int, PowerSavingRecord> CPowerSaveData::recordsOf(const SnmpReply& reply, bool withStandby) const
{
    std::map<int, PowerSavingRecord> records;
    int value = 0;
    for (const FunctionObjects& f : functions) {
        if (f.type == PowerSavingRecord::PortStandby && !withStandby)
            continue;
        PowerSavingRecord record;
        record.type = f.type;
        if (f.ports)
            record.ports = reply.text(value++);
        record.enabled = reply.text(value++) == "1";
        record.profile1 = TextFromUtf8(reply.text(value++));
        record.profile2 = TextFromUtf8(reply.text(value++));
        records[f.type] = record;
    }
    return records;
}

std::pair<bool, bool> CPowerSaveData::detectionOf(const SnmpReply& reply) const
{
    const int first = reply.count() - 2;
    if (first < 0)
        return {false, false};
    return {reply.text(first) == "1", reply.text(first + 1) == "1"};
}

SetRequest CPowerSaveData::setPowerSaving(const PowerSavingRecord& record) const
{
    const FunctionObjects& f = objectsOf(record.type);
    SetRequest request;
    request.integer(deviceoid::powerSaving(f.state), record.enabled ? 1 : 2);
    if (!record.enabled)
        return request;
    const auto addPorts = [&] {
        if (f.ports)
            request.octets(deviceoid::powerSaving(f.ports), record.ports);
    };
    if (record.type != PowerSavingRecord::PortStandby)
        addPorts();
    request.octets(deviceoid::powerSaving(f.profile1), TextToUtf8(record.profile1, profileBufferBytes))
        .octets(deviceoid::powerSaving(f.profile2), TextToUtf8(record.profile2, profileBufferBytes));
    if (record.type == PowerSavingRecord::PortStandby)
        addPorts();
    return request;
}

SetRequest CPowerSaveData::setDetection(bool cableLength, bool linkStatus) const
{
    SetRequest request;
    request.integer(deviceoid::powerSaving(cableLengthDetection), cableLength ? 1 : 2)
        .integer(deviceoid::powerSaving(linkStatusDetection), linkStatus ? 1 : 2);
    return request;
}
