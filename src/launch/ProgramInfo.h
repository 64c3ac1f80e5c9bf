#pragma once
// --help and --version of the three programs, answered before anything else is set up, so
// they work without a display, a network or a profile.

#include <optional>
#include <string>

namespace ProgramInfo {

// "PROGRAM VERSION", the version of the whole project.
std::string versionLine(const std::string& program);

// When the first argument is --help (or -h) or --version: prints the help text or the version
// line on standard output and gives the exit status 0. Otherwise nothing.
std::optional<int> answer(int argc, char** argv, const std::string& program, const std::string& helpText);

} // namespace ProgramInfo
