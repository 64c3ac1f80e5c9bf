#pragma once
// One named time profile of the switch: a weekly schedule from a start to an end time, limited
// to a date range when one is in use, and the texts the time profile page shows of it.

#include <QString>

#include <array>

struct TimeProfile {
    struct Date {
        int year = 2011, month = 1, day = 1;
        int number() const { return year * 10000 + month * 100 + day; }
    };
    struct Time {
        int hour = 0, minute = 0;
        int number() const { return hour * 100 + minute; }
    };

    int index = 0; // 1-8 on the switch
    QString name;
    bool dateUsed = false;
    Date from, to;
    Time start, end;
    std::array<bool, 7> days{}; // Monday ... Sunday
    bool active = false;        // row status 1

    // "Mon,Tue,Fri" for the selected days.
    QString weekdaysText() const;
    // "2012/2/29"; empty when no date range is in use.
    QString fromText() const;
    QString toText() const;
    // "8:5" (no leading zeros).
    QString startText() const;
    QString endText() const;
};
