#pragma once
// Where the programs find their read-only data: beside the executable (the build folder, or an
// unpacked copy), otherwise in the installed data folder PREFIX/share/sorvex/, found from the
// executable's own location so an installed tree can be moved whole.

#include <string>

namespace DataLocation {

// The folder of the running executable, with a trailing '/'.
std::string executableDirectory();
// The installed data folder for the running executable, with a trailing '/'.
std::string installedDirectory();
// The folder that holds relativePath: beside the executable when it is there, otherwise the
// installed data folder (whether or not it is there either), with a trailing '/'.
std::string folderHolding(const std::string& relativePath);

} // namespace DataLocation
