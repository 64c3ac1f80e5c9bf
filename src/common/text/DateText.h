#pragma once
// Day lists of the date pickers.

#include <QString>

class QComboBox;

// "31", "30", "29" or "28" for month text "1" ... "12" (Gregorian leap years); the month is
// compared as text, so "01" or "13" give an empty text.
QString DaysInMonth(const QString& yearText, const QString& monthText);

// Refills the day list with "1" ... the days of that month and selects the first entry.
void FillDayCombo(const QString& yearText, const QString& monthText, QComboBox& dayCombo);
