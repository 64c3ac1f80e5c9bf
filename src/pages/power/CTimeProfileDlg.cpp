#include "CTimeProfileDlg.h"

#include "CListView.h"
#include "DateText.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NameText.h"
#include "NumberText.h"
#include "TypingLimit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int maxNameChars = 20;
constexpr int firstYear = 2011, lastYear = 2029;
const char* const dayCaptions[7] = {"Mon ", "Tue", "Wed ", "Thu", "Fri ", "Sat", "Sun"};

enum Column { ColName, ColWeekdays, ColFrom, ColTo, ColStart, ColEnd };

void fillNumbers(QComboBox* list, int first, int last)
{
    for (int n = first; n <= last; ++n)
        list->addItem(QString::number(n));
}

int numberOf(const QComboBox* list)
{
    return int(LeadingInteger(list->currentText()).value_or(0));
}

} // namespace

CTimeProfileDlg::CTimeProfileDlg()
    : CPageDialog(212), m_data(sessions(), DeviceProfile::current().portCount())
{
    setWindowTitle(QStringLiteral("Time Profile Info"));
    auto* layout = new QVBoxLayout(this);

    auto* addGroup = new QGroupBox(QStringLiteral("Time Profile Add"), this);
    auto* grid = new QGridLayout(addGroup);
    m_name = control<QLineEdit>(IdName);
    TypingLimit::apply(m_name, maxNameChars);
    m_date = control<QCheckBox>(IdDate, QStringLiteral("Date"));
    grid->addWidget(LabelFor(m_name, QStringLiteral("Profile Name"), addGroup), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 3);
    grid->addWidget(m_date, 0, 4);

    m_fromYear = control<QComboBox>(IdFromYear);
    m_fromMonth = control<QComboBox>(IdFromMonth);
    m_fromDay = control<QComboBox>(IdFromDay);
    m_toYear = control<QComboBox>(IdToYear);
    m_toMonth = control<QComboBox>(IdToMonth);
    m_toDay = control<QComboBox>(IdToDay);
    m_startHour = control<QComboBox>(IdStartHour);
    m_startMinute = control<QComboBox>(IdStartMinute);
    m_endHour = control<QComboBox>(IdEndHour);
    m_endMinute = control<QComboBox>(IdEndMinute);
    // One caption names a row of lists; each list is named by the caption and its part.
    const auto addListRow = [&](int row, int column, const char* caption, std::initializer_list<QComboBox*> lists,
                                std::initializer_list<const char*> parts) {
        grid->addWidget(LabelFor(*lists.begin(), QString::fromLatin1(caption), addGroup), row, column);
        auto* boxes = new QHBoxLayout;
        auto part = parts.begin();
        for (QComboBox* list : lists) {
            list->setAccessibleName(QString::fromLatin1(caption).trimmed() + QLatin1Char(' ') + QLatin1String(*part++));
            boxes->addWidget(list);
        }
        grid->addLayout(boxes, row, column + 1);
    };
    addListRow(1, 0, "From Day ", {m_fromYear, m_fromMonth, m_fromDay}, {"year", "month", "day"});
    addListRow(1, 2, "To Day ", {m_toYear, m_toMonth, m_toDay}, {"year", "month", "day"});
    addListRow(2, 0, "Start Time", {m_startHour, m_startMinute}, {"hour", "minute"});
    addListRow(2, 2, "End Time", {m_endHour, m_endMinute}, {"hour", "minute"});
    for (QComboBox* year : {m_fromYear, m_toYear})
        fillNumbers(year, firstYear, lastYear);
    for (QComboBox* month : {m_fromMonth, m_toMonth})
        fillNumbers(month, 1, 12);
    for (QComboBox* hour : {m_startHour, m_endHour})
        fillNumbers(hour, 0, 23);
    for (QComboBox* minute : {m_startMinute, m_endMinute})
        fillNumbers(minute, 0, 59);
    for (auto [year, month, day] : {std::tuple{m_fromYear, m_fromMonth, m_fromDay}, {m_toYear, m_toMonth, m_toDay}}) {
        FillDayCombo(year->currentText(), month->currentText(), *day);
        for (QComboBox* changed : {year, month})
            connect(changed, &QComboBox::currentIndexChanged, this,
                    [year, month, day] { FillDayCombo(year->currentText(), month->currentText(), *day); });
    }

    auto* daysRow = new QHBoxLayout;
    m_allDays = control<QCheckBox>(IdSelectAllDays, QStringLiteral("Select All Days"));
    daysRow->addWidget(m_allDays);
    for (int d = 0; d < 7; ++d) {
        m_days[std::size_t(d)] = control<QCheckBox>(IdMonday + d, QString::fromLatin1(dayCaptions[d]));
        daysRow->addWidget(m_days[std::size_t(d)]);
    }
    daysRow->addStretch();
    QPushButton* add = addButton(QStringLiteral("&Add"), IdAdd);
    daysRow->addWidget(add);
    grid->addLayout(daysRow, 3, 0, 1, 5);
    layout->addWidget(addGroup);

    auto* listGroup = new QGroupBox(QStringLiteral("Time Profile Entries"), this);
    auto* listLayout = new QVBoxLayout(listGroup);
    m_list = new CListView(IdList,
                           {QStringLiteral("Profile Name"), QStringLiteral("Weekdays"), QStringLiteral("From Day"),
                            QStringLiteral("To Day"), QStringLiteral("Start Time"), QStringLiteral("End Time")},
                           listGroup);
    m_list->setAccessibleName(QStringLiteral("Time Profile Entries"));
    for (auto [column, width] : {std::pair{ColName, 100}, {ColWeekdays, 180}, {ColFrom, 80}, {ColTo, 80},
                                 {ColStart, 80}, {ColEnd, 70}})
        m_list->setColumnWidth(column, width);
    listLayout->addWidget(m_list);
    layout->addWidget(listGroup, 1);

    QPushButton* remove = addButton(QStringLiteral("&Delete"), IdDelete);
    QHBoxLayout* commands = commandButtons(IdRefresh, 0, IdClose);
    commands->insertWidget(1, remove);
    layout->addLayout(commands);

    // Add and Delete decide on the listed profiles: both wait for the walk.
    reads().addWriteControl(add);
    reads().addWriteControl(remove);
    connect(add, &QPushButton::clicked, this, &CTimeProfileDlg::addProfile);
    connect(remove, &QPushButton::clicked, this, &CTimeProfileDlg::deleteProfile);
    connect(m_date, &QCheckBox::toggled, this, &CTimeProfileDlg::onDateToggled);
    connect(m_allDays, &QCheckBox::clicked, this, [this](bool all) {
        for (QCheckBox* day : m_days)
            day->setChecked(all);
    });
    onDateToggled(false);
    resize(m_list->fullWidth() + 60, 520);
}

void CTimeProfileDlg::onDateToggled(bool used)
{
    for (QComboBox* list : {m_fromYear, m_fromMonth, m_fromDay, m_toYear, m_toMonth, m_toDay})
        list->setEnabled(used);
}

void CTimeProfileDlg::read()
{
    m_list->clearRows();
    m_profiles.clear();
    m_heldIndexes.clear();
    readWalk(
        m_data.m_cCommonSNMP, m_data.profileColumns(),
        [this](const SnmpReply& row) {
            const TimeProfile profile = m_data.profileOf(row);
            if (const auto index = row.index(0))
                m_heldIndexes.push_back(*index);
            if (!profile.active)
                return;
            m_profiles.push_back(profile);
            const int r = m_list->appendRow(profile.name);
            m_list->setCell(r, ColWeekdays, profile.weekdaysText());
            m_list->setCell(r, ColFrom, profile.fromText());
            m_list->setCell(r, ColTo, profile.toText());
            m_list->setCell(r, ColStart, profile.startText());
            m_list->setCell(r, ColEnd, profile.endText());
        },
        [this](int) { m_list->fitColumnsToContents(); });
}

TimeProfile CTimeProfileDlg::enteredProfile() const
{
    TimeProfile profile;
    profile.name = m_name->text();
    profile.dateUsed = m_date->isChecked();
    profile.from = {numberOf(m_fromYear), numberOf(m_fromMonth), numberOf(m_fromDay)};
    profile.to = {numberOf(m_toYear), numberOf(m_toMonth), numberOf(m_toDay)};
    profile.start = {numberOf(m_startHour), numberOf(m_startMinute)};
    profile.end = {numberOf(m_endHour), numberOf(m_endMinute)};
    for (std::size_t d = 0; d < m_days.size(); ++d)
        profile.days[d] = m_days[d]->isChecked();
    return profile;
}

bool CTimeProfileDlg::passesChecks(const TimeProfile& profile)
{
    const auto refuse = [](const char* message) {
        MessageBox::info(QString::fromLatin1(message));
        return false;
    };
    if (m_profiles.size() >= std::size_t(CPowerSaveData::maxProfiles))
        return refuse("The Max entry is 8.");
    if (profile.name.isEmpty())
        return refuse("The Profile name can not be empty,please input it.");
    if (!IsValidNameText(profile.name))
        return refuse("Invalid Profile name.");
    for (const TimeProfile& listed : m_profiles) {
        if (listed.name == profile.name)
            return refuse("The Profile Name is exist.");
    }
    if (profile.start.number() == profile.end.number())
        return refuse("'Start Time' and 'End Time' can't be the same");
    if (profile.from.number() > profile.to.number()) {
        if (profile.from.year > profile.to.year)
            return refuse("'To year' can't be less than 'From year'");
        if (profile.from.month <= profile.to.month)
            return refuse("'To day' can't be less than 'From day'");
        return refuse("'To month' can't be less than 'From month'");
    }
    // Within one day the schedule must run forwards; a weekly one may run across midnight.
    if (profile.dateUsed && profile.from.number() == profile.to.number() &&
        profile.start.number() > profile.end.number())
        return refuse("'Start Time' can't be greater than 'End Time'");
    return true;
}

std::optional<int> CTimeProfileDlg::freeIndex() const
{
    const auto index = NewTableRow::freeIndex(m_heldIndexes, 1, CPowerSaveData::maxProfiles);
    return index ? std::optional<int>(int(*index)) : std::nullopt;
}

void CTimeProfileDlg::addProfile()
{
    TimeProfile profile = enteredProfile();
    if (!passesChecks(profile))
        return;
    const auto index = freeIndex();
    if (!index) {
        MessageBox::info(QStringLiteral("The switch holds no free Time Range entry."));
        return;
    }
    profile.index = *index;
    writeNewRow(m_data.m_cCommonSNMPSet, m_data.profileRow(*index), m_data.addProfile(profile),
                [this](const WriteResult& result) {
                    if (result.ok())
                        refresh();
                });
}

void CTimeProfileDlg::deleteProfile()
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_profiles.size())) {
        MessageBox::info(QStringLiteral("Please select the Time Range to be deleted!"), MessageIcon::Information);
        return;
    }
    write(m_data.m_cCommonSNMPSet, {m_data.deleteProfile(m_profiles[std::size_t(rows.first().row())].index)},
          [this](const WriteResult& result) {
              if (result.ok())
                  refresh();
          });
}
