#include "LaunchArguments.h"

#include "LaunchParams.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace LaunchArguments {

std::optional<std::string> readLine(std::FILE* in)
{
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in)) {
        if (line.size() == kMaxLineBytes)
            return std::nullopt;
        line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void hideSecrets(int count, char** arguments)
{
    // Where each argument starts in the joined text.
    std::string text;
    std::vector<size_t> starts;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        starts.push_back(text.size());
        text += arguments[i];
    }
    for (const LaunchParams::Span& span : LaunchParams::secretSpans(text)) {
        for (int i = 0; i < count; ++i) {
            const size_t begin = starts[i];
            const size_t end = begin + std::strlen(arguments[i]);
            for (size_t at = std::max(begin, span.begin); at < std::min(end, span.end); ++at)
                arguments[i][at - begin] = '*';
        }
    }
}

} // namespace LaunchArguments
