#include "NumberText.h"

#include <limits>

namespace {

template <typename Char>
bool isBlank(Char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <typename Char>
std::optional<int64_t> leadingInteger(const Char* text, std::size_t size)
{
    std::size_t i = 0;
    while (i < size && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int64_t>::max());
    uint64_t value = 0;
    for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = uint64_t(text[i] - '0');
        if (value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
}

} // namespace

std::optional<int64_t> LeadingInteger(QStringView text)
{
    return leadingInteger(text.utf16(), std::size_t(text.size()));
}

std::optional<int64_t> LeadingInteger(std::string_view text)
{
    return leadingInteger(text.data(), text.size());
}
