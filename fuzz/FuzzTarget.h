#pragma once
// What the fuzz targets share: libFuzzer's entry points, a property check that makes a broken
// rule a finding like any crash, and a reader that splits one input into several values.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace fuzz {

[[noreturn]] inline void propertyBroken(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, what);
    std::abort();
}

// Takes an input apart front to back; every read succeeds (an exhausted input reads as zeros
// and empty text), so a target never has to reject an input.
class InputReader {
public:
    InputReader(const uint8_t* data, size_t size)
        : m_rest(reinterpret_cast<const char*>(data), size)
    {
    }
    uint8_t byte()
    {
        if (m_rest.empty())
            return 0;
        const auto b = static_cast<uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return b;
    }
    // Text up to the next NUL byte (taken off, not returned), or the rest of the input.
    std::string_view field()
    {
        const size_t end = m_rest.find('\0');
        const std::string_view text = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        return text;
    }
    // As many bytes as the next byte says (fewer when the input ends first).
    std::string_view sized()
    {
        const size_t length = std::min<size_t>(byte(), m_rest.size());
        const std::string_view bytes = m_rest.substr(0, length);
        m_rest.remove_prefix(length);
        return bytes;
    }
    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

} // namespace fuzz

// A rule of the code under test; when it does not hold, the input is reported as a finding.
#define FUZZ_CHECK(holds) ((holds) ? void(0) : fuzz::propertyBroken(#holds, __FILE__, __LINE__))
