#pragma once
// "Time Profile Info": adds and deletes the switch's named time profiles (up to eight weekly
// schedules, each optionally limited to a date range) that PoE ports and power saving refer to.

#include "CPageDialog.h"
#include "CPowerSaveData.h"

#include <array>
#include <vector>

class CListView;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CTimeProfileDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdAdd = 1001,
        IdDelete = 1003,
        IdFromYear = 1008,
        IdToYear = 1009,
        IdToDay = 1010,
        IdFromDay = 1011,
        IdToMonth = 1012,
        IdStartMinute = 1013,
        IdStartHour = 1014,
        IdEndMinute = 1015,
        IdEndHour = 1016,
        IdDate = 1071,
        IdName = 1073,
        IdFromMonth = 1086,
        IdSelectAllDays = 1090,
        IdList = 1125,
        IdRefresh = 103,
        IdClose = 2,
        IdMonday = 1131, // Monday ... Sunday: 1131 ... 1137
    };

    CTimeProfileDlg();

protected:
    void read() override;

private:
    void onDateToggled(bool used);
    void addProfile();
    void deleteProfile();
    // The Add checks in their order; false after the first message.
    bool passesChecks(const TimeProfile& profile);
    TimeProfile enteredProfile() const;
    // The smallest index 1 ... 8 that the listed profiles leave free.
    std::optional<int> freeIndex() const;

    CPowerSaveData m_data;
    std::vector<TimeProfile> m_profiles; // the listed rows, in the order read
    std::vector<long long> m_heldIndexes; // of every row the table holds, active or not

    QLineEdit* m_name;
    QCheckBox* m_date;
    QComboBox* m_fromYear;
    QComboBox* m_fromMonth;
    QComboBox* m_fromDay;
    QComboBox* m_toYear;
    QComboBox* m_toMonth;
    QComboBox* m_toDay;
    QComboBox* m_startHour;
    QComboBox* m_startMinute;
    QComboBox* m_endHour;
    QComboBox* m_endMinute;
    QCheckBox* m_allDays;
    std::array<QCheckBox*, 7> m_days{};
    CListView* m_list;
};
