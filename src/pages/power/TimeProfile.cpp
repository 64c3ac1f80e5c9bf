#include "TimeProfile.h"

#include <QStringList>

namespace {

QString dateText(bool used, const TimeProfile::Date& date)
{
    return used ? QStringLiteral("%1/%2/%3").arg(date.year).arg(date.month).arg(date.day) : QString();
}

QString timeText(const TimeProfile::Time& time)
{
    return QStringLiteral("%1:%2").arg(time.hour).arg(time.minute);
}

} // namespace

QString TimeProfile::weekdaysText() const
{
    static const char* const names[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QStringList selected;
    for (std::size_t d = 0; d < days.size(); ++d) {
        if (days[d])
            selected << QString::fromLatin1(names[d]);
    }
    return selected.join(QLatin1Char(','));
}

QString TimeProfile::fromText() const
{
    return dateText(dateUsed, from);
}

QString TimeProfile::toText() const
{
    return dateText(dateUsed, to);
}

QString TimeProfile::startText() const
{
    return timeText(start);
}

QString TimeProfile::endText() const
{
    return timeText(end);
}
