#include "ProgramInfo.h"

#include <cstring>
#include <iostream>

namespace ProgramInfo {

std::string versionLine(const std::string& program)
{
    return program + " " + SORVEX_VERSION;
}

std::optional<int> answer(int argc, char** argv, const std::string& program, const std::string& helpText)
{
    if (argc < 2)
        return std::nullopt;
    const char* first = argv[1];
    if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
        std::cout << helpText << std::flush;
        return 0;
    }
    if (std::strcmp(first, "--version") == 0) {
        std::cout << versionLine(program) << std::endl;
        return 0;
    }
    return std::nullopt;
}

} // namespace ProgramInfo
