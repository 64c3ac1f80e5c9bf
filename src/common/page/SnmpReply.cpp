#include "SnmpReply.h"

#include "NumberText.h"

std::string SnmpReply::text(int i) const
{
    return i >= 0 && i < count() ? values[std::size_t(i)].text() : std::string();
}

QString SnmpReply::qtext(int i) const
{
    return QString::fromStdString(text(i));
}

std::optional<int64_t> SnmpReply::integer(int i) const
{
    const std::string value = text(i);
    const auto number = LeadingInteger(value);
    // The whole text must be the number: "1abc" or an address is not one.
    if (!number || std::to_string(*number) != value)
        return std::nullopt;
    return number;
}

std::string SnmpReply::suffix(int i) const
{
    return i >= 0 && i < int(suffixes.size()) ? suffixes[std::size_t(i)] : std::string();
}

std::optional<int64_t> SnmpReply::index(int i) const
{
    const std::string text = suffix(i);
    if (text.size() < 2 || text[0] != '.' || text.find('.', 1) != std::string::npos)
        return std::nullopt;
    return LeadingInteger(std::string_view(text).substr(1));
}

int SnmpReply::portIndex(int i, int portCount) const
{
    const auto port = index(i);
    return port && *port >= 1 && *port <= portCount ? int(*port) : 0;
}
