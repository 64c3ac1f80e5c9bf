#include "StpTexts.h"

#include "NumberText.h"

#include <climits>

namespace stp {

std::string scalar(int object)
{
    return "1.3.6.1.2.1.17.2." + std::to_string(object) + ".0";
}

std::string portColumn(int column)
{
    return "1.3.6.1.2.1.17.2.15.1." + std::to_string(column);
}

namespace {

QString hexBytes(std::string_view octets, QLatin1Char separator)
{
    QStringList bytes;
    for (char c : octets)
        bytes << QStringLiteral("%1").arg(static_cast<unsigned char>(c), 2, 16, QLatin1Char('0')).toUpper();
    return bytes.join(separator);
}

QString asReceived(std::string_view octets)
{
    return QString::fromLatin1(octets.data(), qsizetype(octets.size()));
}

} // namespace

QString BridgeIdText(std::string_view octets)
{
    return octets.size() == 8 ? hexBytes(octets, QLatin1Char(':')) : asReceived(octets);
}

QString IdentifierText(std::string_view octets)
{
    if (octets.size() == 2)
        return hexBytes(octets, QLatin1Char(' '));
    return BridgeIdText(octets);
}

QString PortStateText(const std::string& value)
{
    static const char* const texts[] = {"Disabled", "Blocked", "Monitored", "Learn", "Forward", "Token"};
    for (int i = 0; i < 6; ++i) {
        if (value == std::to_string(i + 1))
            return QString::fromLatin1(texts[i]);
    }
    return QString::fromStdString(value);
}

PortRow PortRow::from(const SnmpReply& row)
{
    PortRow data;
    data.portText = row.qtext(0);
    const auto port = LeadingInteger(row.text(0));
    data.port = port && *port > 0 && *port <= INT_MAX ? int(*port) : 0;
    data.priority = row.qtext(1);
    data.pathCost = row.qtext(2);
    data.enabled = row.text(3) == "1";
    data.state = PortStateText(row.text(4));
    data.designatedRoot = IdentifierText(row.text(5));
    data.designatedCost = row.qtext(6);
    data.designatedBridge = IdentifierText(row.text(7));
    data.designatedPort = IdentifierText(row.text(8));
    data.forwardTransitions = row.qtext(9);
    return data;
}

QStringList PortRow::cells() const
{
    return {portText,       priority,       pathCost,         enabled ? QStringLiteral("Y") : QStringLiteral("N"),
            state,          designatedRoot, designatedCost,   designatedBridge,
            designatedPort, forwardTransitions};
}

QString BridgeTimerError(const BridgeTimers& timers)
{
    auto outside = [](const std::optional<long long>& value, long long low, long long high) {
        return !value || *value < low || *value > high;
    };
    if (outside(timers.maxAge, 600, 4000))
        return QStringLiteral("Invalid Age Time value, the valid Age Time range is  (600-4000) ms !");
    if (outside(timers.forwardDelay, 400, 3000))
        return QStringLiteral("Invalid Forward Delay value, the valid Forward Delay range is (400-3000) ms !");
    if (outside(timers.helloTime, 100, 1000))
        return QStringLiteral("Invalid Hello Time value, the valid Hello Time range is (100-1000) ms !");
    // IEEE 802.1D with 1 s = 100: Max Age >= 2 x (Hello Time + 1 s), 2 x (Forward Delay - 1 s) >= Max Age.
    const long long age = *timers.maxAge;
    if (2 * *timers.helloTime + 200 > age)
        return QStringLiteral("To set the parameters Hello Time and Max Age the following relation is to be satisfied: "
                              "\nMax Age >= (2*(Hello Time + 1.0))");
    if (age > 2 * *timers.forwardDelay - 200)
        return QStringLiteral("To set the parameters Forward Delay and Max Age, the following relation is to be "
                              "satisfied: \n2*(Forward Delay - 1) >= Max Age");
    return {};
}

std::optional<int> PriorityValue(const QString& text, int max)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    int value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > max)
        return std::nullopt;
    return value;
}

} // namespace stp
