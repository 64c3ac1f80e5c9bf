#include "CPowerSaveData.h"

#include "DeviceOids.h"
#include "NumberText.h"
#include "Utf8Text.h"

namespace {

namespace deviceoid = snmp::deviceoid;

// Walked row values, by column (value i is column i + 1).
enum Value {
    VIndex, VName, VDateUsed, VFromYear, VFromMonth, VFromDay, VStartHour, VStartMinute, VToYear, VToMonth, VToDay,
    VEndHour, VEndMinute, VMonday, VRowStatus = VMonday + 7, ValueCount
};
constexpr int rowStatusActive = 1;
constexpr int rowStatusCreateAndWait = 5;
constexpr int rowStatusDestroy = 6;
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
    profile.active = row.text(VRowStatus) == "1";
    return profile;
}

std::vector<SetRequest> CPowerSaveData::addProfile(const TimeProfile& profile) const
{
    const int index = profile.index;
    std::vector<SetRequest> steps(2);
    steps[0].integer(cell(deviceoid::TimeProfileRowStatus, index), rowStatusCreateAndWait);
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
    columns.integer(cell(deviceoid::TimeProfileRowStatus, index), rowStatusActive);
    return steps;
}

SetRequest CPowerSaveData::deleteProfile(int index) const
{
    SetRequest request;
    request.integer(cell(deviceoid::TimeProfileRowStatus, index), rowStatusDestroy);
    return request;
}
