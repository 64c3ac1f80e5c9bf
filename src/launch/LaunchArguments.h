#pragma once
// The launch line away from the process list: "-" reads it from standard input, and a line given
// as arguments has its communities and passwords overwritten in the process's own argument memory
// once it has been parsed (/proc/PID/cmdline shows that memory to every local user).

#include <cstdio>
#include <optional>
#include <string>

namespace LaunchArguments {

// The longest launch line read from standard input; a longer one is refused whole.
constexpr size_t kMaxLineBytes = 64 * 1024;

// The first line of `in` without its line end ("\n" or "\r\n"); the whole input when it has no
// line end. Nothing when the line is longer than kMaxLineBytes.
std::optional<std::string> readLine(std::FILE* in);

// Overwrites with '*' every byte of a community or password in the launch text that
// arguments[0..count) make when joined with single blanks (as parse reads them). The strings are
// changed in place; their lengths stay.
void hideSecrets(int count, char** arguments);

} // namespace LaunchArguments
