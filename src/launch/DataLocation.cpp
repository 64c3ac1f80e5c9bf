#include "DataLocation.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace DataLocation {

std::string executableDirectory()
{
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer.data(), static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

std::string installedDirectory()
{
    // The path from the install's bin folder to its data folder, set by the build
    // (GNUInstallDirs), e.g. "../share/sorvex".
    // The executable's folder has its links resolved, so ".." can be taken away by the letters.
    const std::filesystem::path folder = std::filesystem::path(executableDirectory()) / SORVEX_DATA_FROM_BIN;
    return (folder.lexically_normal() / "").string();
}

std::string folderHolding(const std::string& relativePath)
{
    const std::string beside = executableDirectory();
    struct stat info {};
    if (stat((beside + relativePath).c_str(), &info) == 0)
        return beside;
    return installedDirectory();
}

} // namespace DataLocation
