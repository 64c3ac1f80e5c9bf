#include "SnmpAgentIndex.h"

#include "NameText.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace {

// The text of code 1, 2, ... in `texts`; another value as received.
QString textOf(const std::string& value, std::initializer_list<const char*> texts)
{
    int code = 1;
    for (const char* text : texts) {
        if (value == std::to_string(code++))
            return QString::fromLatin1(text);
    }
    return QString::fromStdString(value);
}

// The sub-identifiers of an index (".2.97.98" -> 2, 97, 98); false for anything else.
bool parseArcs(std::string_view index, std::vector<uint32_t>& arcs)
{
    arcs.clear();
    while (!index.empty()) {
        if (index.front() != '.')
            return false;
        index.remove_prefix(1);
        std::size_t digits = 0;
        uint64_t value = 0;
        while (digits < index.size() && index[digits] >= '0' && index[digits] <= '9') {
            value = value * 10 + uint64_t(index[digits] - '0');
            if (value > 0xFFFFFFFFu)
                return false;
            ++digits;
        }
        if (digits == 0)
            return false;
        arcs.push_back(uint32_t(value));
        index.remove_prefix(digits);
    }
    return true;
}

} // namespace

std::string UserIndex(const QString& name, int version)
{
    return NameIndex(name) + "." + std::to_string(version);
}

std::string GroupIndex(const QString& name, int model, int level)
{
    return NameIndex(name) + "." + std::to_string(model) + "." + std::to_string(level);
}

std::string ViewIndex(const QString& name, std::string_view subtree)
{
    const std::size_t length = subtree.empty() ? 0 : std::size_t(std::count(subtree.begin(), subtree.end(), '.')) + 1;
    std::string index = NameIndex(name) + "." + std::to_string(length);
    if (!subtree.empty())
        index += "." + std::string(subtree);
    return index;
}

QString ViewSubtreeOfIndex(std::string_view index)
{
    std::vector<uint32_t> arcs;
    if (!parseArcs(index, arcs) || arcs.empty())
        return {};
    const std::size_t nameLength = arcs[0];
    if (nameLength + 2 > arcs.size())
        return {};
    const std::size_t subtreeLength = arcs[nameLength + 1];
    if (nameLength + 2 + subtreeLength != arcs.size())
        return {};
    QStringList subtree;
    for (std::size_t i = nameLength + 2; i < arcs.size(); ++i)
        subtree << QString::number(arcs[i]);
    return subtree.join(QLatin1Char('.'));
}

QString UserVersionText(const std::string& value)
{
    return textOf(value, {"V1", "V2c", "V3"});
}

QString HostVersionText(const std::string& value)
{
    return textOf(value, {"V1", "V2c", "V3-NoAuthNoPriv", "V3-AuthNoPriv", "V3-AuthPriv"});
}

QString AuthProtocolText(const std::string& value)
{
    return textOf(value, {"None", "MD5", "SHA"});
}

QString PrivProtocolText(const std::string& value)
{
    return textOf(value, {"None", "DES_CBC"});
}

QString SecurityModelText(const std::string& value)
{
    return textOf(value, {"v1", "v2c", "v3"});
}

QString SecurityLevelText(const std::string& value)
{
    return textOf(value, {"NoAuthNoPriv", "AuthNoPriv", "AuthPriv"});
}

QString ViewTypeText(const std::string& value)
{
    return textOf(value, {"Included", "Excluded"});
}

QString ViewMaskText(std::string_view octets)
{
    QStringList values;
    for (char c : octets)
        values << QString::number(static_cast<unsigned char>(c));
    return values.join(QLatin1Char('.'));
}
