#include "DateText.h"

#include "NumberText.h"

#include <QComboBox>

namespace {

bool isLeapYear(int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

QString DaysInMonth(const QString& yearText, const QString& monthText)
{
    static const QStringList longMonths = {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5"),
                                           QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("10"),
                                           QStringLiteral("12")};
    static const QStringList shortMonths = {QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("9"),
                                            QStringLiteral("11")};
    if (longMonths.contains(monthText))
        return QStringLiteral("31");
    if (shortMonths.contains(monthText))
        return QStringLiteral("30");
    if (monthText == u"2") {
        const auto year = LeadingInteger(yearText);
        return year && isLeapYear(*year) ? QStringLiteral("29") : QStringLiteral("28");
    }
    return {};
}

void FillDayCombo(const QString& yearText, const QString& monthText, QComboBox& dayCombo)
{
    const int days = DaysInMonth(yearText, monthText).toInt();
    dayCombo.clear();
    for (int day = 1; day <= days; ++day)
        dayCombo.addItem(QString::number(day));
    dayCombo.setCurrentIndex(0);
}
