#include "MibViewTexts.h"

#include "NumberText.h"

#include <QStringList>

#include <vector>

QString LinkStatusText(std::string_view value)
{
    if (value == "1")
        return QStringLiteral("Link");
    if (value == "2")
        return QStringLiteral("UnLink");
    if (value == "3")
        return QStringLiteral("Test");
    return QStringLiteral("Unknown");
}

QString InterfaceSpeedText(std::string_view value)
{
    const int64_t bits = LeadingInteger(value).value_or(0);
    return QString::number(bits / 1000000) + QLatin1Char('M');
}

QString FdbStatusText(std::string_view value)
{
    static const char* const texts[] = {"Other", "Invalid", "Learn", "Own", "Static"};
    if (value.empty() || value[0] < '1' || value[0] > '5')
        return QString();
    return QString::fromLatin1(texts[value[0] - '1']);
}

QString TcpStateText(std::string_view value)
{
    static const char* const texts[] = {"listen",  "synSent",  "synReceived", "established", "finWait1", "finWait2",
                                        "closeWait", "lastAck", "closing",     "timeWait",    "deleteTCB"};
    for (int state = 2; state <= 12; ++state) {
        if (value == std::to_string(state))
            return QString::fromLatin1(texts[state - 2]);
    }
    return QStringLiteral("closed");
}

QString FdbIndexMacText(std::string_view index)
{
    if (!index.empty() && index[0] == '.')
        index.remove_prefix(1);
    const QString raw = QString::fromLatin1(index.data(), qsizetype(index.size()));
    const QStringList parts = raw.split(QLatin1Char('.'));
    if (parts.size() != 7)
        return raw;
    QStringList bytes;
    for (int i = 1; i < 7; ++i) {
        bool ok = false;
        const uint value = parts[i].toUInt(&ok);
        if (!ok || value > 255)
            return raw;
        bytes << QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
    }
    return bytes.join(QLatin1Char('-'));
}

QString RuntimeText(std::string_view ticks)
{
    if (ticks.empty())
        return QString();
    // TimeTicks are unsigned 32-bit: a value above 2^31 (248 days) stays positive.
    const int64_t t = LeadingInteger(ticks).value_or(0) & 0xFFFFFFFFll;
    const int64_t hours = t / 360000;
    const int64_t minutes = (t - hours * 360000) / 6000;
    return QStringLiteral("%1 Hour %2 Min").arg(hours).arg(minutes);
}
