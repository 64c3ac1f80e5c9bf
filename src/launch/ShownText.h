#pragma once
// Text from the launch line quoted in a message: messages are one line each (the tools print
// them to stderr, the trace keeps one per line), so control characters are shown as \xNN.

#include <string>
#include <string_view>

std::string ShownText(std::string_view text);
