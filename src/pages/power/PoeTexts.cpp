#include "PoeTexts.h"

#include <QRegularExpression>

QString PoeStateText(std::string_view value)
{
    return value == "1" ? QStringLiteral("Enable") : QStringLiteral("Disable");
}

QString PoePriorityText(std::string_view value)
{
    if (value == "1")
        return QStringLiteral("Low");
    if (value == "2")
        return QStringLiteral("Normal");
    return QStringLiteral("High");
}

QString PoeClassLimitText(std::string_view value)
{
    if (value == "1")
        return QStringLiteral("Auto");
    if (value.size() == 1 && value[0] >= '2' && value[0] <= '5')
        return QStringLiteral("Class %1").arg(value[0] - '1');
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

namespace {

const QRegularExpression& decimalNumber()
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,9})(?:\\.([0-9]+))?$"));
    return pattern;
}

} // namespace

std::optional<long long> WattsInTenths(const QString& text)
{
    const QRegularExpressionMatch match = decimalNumber().match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = match.captured(2);
    // Digits beyond the tenths must all be zero.
    for (qsizetype i = 1; i < fraction.size(); ++i) {
        if (fraction.at(i) != QLatin1Char('0'))
            return std::nullopt;
    }
    const long long whole = match.captured(1).toLongLong();
    const long long tenth = fraction.isEmpty() ? 0 : fraction.at(0).digitValue();
    return whole * 10 + tenth;
}

bool IsValidPortPowerLimit(const QString& watts)
{
    const std::optional<long long> tenths = WattsInTenths(watts);
    return tenths && *tenths % 2 == 0;
}

std::optional<double> ThresholdWatts(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (!decimalNumber().match(trimmed).hasMatch())
        return std::nullopt;
    return trimmed.toDouble();
}
