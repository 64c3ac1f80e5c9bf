#include "Oid.h"

#include <algorithm>

namespace snmp::oid {

std::optional<std::vector<uint32_t>> parse(std::string_view text)
{
    if (!text.empty() && text.front() == '.')
        text.remove_prefix(1);
    std::vector<uint32_t> arcs;
    uint64_t value = 0;
    bool digits = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            value = value * 10 + static_cast<uint64_t>(c - '0');
            if (value > 0xFFFFFFFFull)
                return std::nullopt;
            digits = true;
        } else if (c == '.' && digits) {
            arcs.push_back(static_cast<uint32_t>(value));
            value = 0;
            digits = false;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    arcs.push_back(static_cast<uint32_t>(value));
    if (arcs.size() < 2 || arcs.size() > 128)
        return std::nullopt;
    return arcs;
}

std::string format(const std::vector<uint32_t>& arcs)
{
    std::string out;
    for (size_t i = 0; i < arcs.size(); ++i) {
        if (i)
            out += '.';
        out += std::to_string(arcs[i]);
    }
    return out;
}

std::string normalise(std::string_view text)
{
    auto arcs = parse(text);
    return arcs ? format(*arcs) : std::string();
}

int compare(std::string_view a, std::string_view b)
{
    auto x = parse(a).value_or(std::vector<uint32_t>{});
    auto y = parse(b).value_or(std::vector<uint32_t>{});
    if (std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end()))
        return -1;
    return x == y ? 0 : 1;
}

bool isInSubtree(std::string_view oid, std::string_view root)
{
    auto o = parse(oid);
    auto r = parse(root);
    if (!o || !r || o->size() <= r->size())
        return false;
    return std::equal(r->begin(), r->end(), o->begin());
}

std::string suffix(std::string_view oid, std::string_view root)
{
    if (!isInSubtree(oid, root))
        return {};
    auto o = *parse(oid);
    auto r = parse(root)->size();
    std::string out;
    for (size_t i = r; i < o.size(); ++i)
        out += '.' + std::to_string(o[i]);
    return out;
}

} // namespace snmp::oid
