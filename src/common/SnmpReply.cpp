#include "SnmpReply.h"

std::string SnmpReply::text(int i) const
{
    return i >= 0 && i < count() ? values[std::size_t(i)].text() : std::string();
}

QString SnmpReply::qtext(int i) const
{
    return QString::fromStdString(text(i));
}

std::string SnmpReply::suffix(int i) const
{
    return i >= 0 && i < int(suffixes.size()) ? suffixes[std::size_t(i)] : std::string();
}
