#include "DeviceProfile.h"

#include "DataLocation.h"
#include "IniFile.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* kSection = "DeviceInfo";

bool isYes(const std::string& v)
{
    return v == "Y" || v == "y";
}

DeviceProfile g_profile;

} // namespace

std::string DeviceProfile::executableDirectory()
{
    return DataLocation::executableDirectory();
}

std::string DeviceProfile::profileDirectory()
{
    if (const char* dir = std::getenv("SORVEX_PROFILE_DIR"); dir && *dir) {
        std::string d = dir;
        return d.back() == '/' ? d : d + '/';
    }
    // The installed default when there is none beside the executable.
    return DataLocation::folderHolding("User.ini");
}

std::string DeviceProfile::profilePath()
{
    return profileDirectory() + "User.ini";
}

DeviceProfile DeviceProfile::read(const std::string& path)
{
    return fromIni(IniFile(path));
}

DeviceProfile DeviceProfile::fromIni(const IniFile& ini)
{
    DeviceProfile p;
    p.DeviceName = ini.getString(kSection, "DeviceName", "");
    if (!p.DeviceName.empty()) {
        p.DevicePortNum = std::clamp(ini.getInt(kSection, "DevicePortNum", 28), 0, kMaxPortCount);
        p.ComboPortNum = std::clamp(ini.getInt(kSection, "ComboPortNum", 4), 0, p.DevicePortNum);
        // A port number; one past the last possible port leaves the model without combo ports.
        p.ComboPortIndex = std::clamp(ini.getInt(kSection, "ComboPortIndex", 25), 1, kMaxPortCount + 1);
    }
    p.XMLName = ini.getString(kSection, "XMLName", "");
    if (!p.XMLName.empty()) {
        p.IsAllGiga = isYes(ini.getString(kSection, "IsAllGiga", ""));
        p.IsHasFan = isYes(ini.getString(kSection, "IsHasFan", ""));
    }
    return p;
}

std::string DeviceProfile::readDeviceName(const std::string& path)
{
    return IniFile(path).getString(kSection, "DeviceName", "");
}

const DeviceProfile& DeviceProfile::current()
{
    return g_profile;
}

void DeviceProfile::setCurrent(const DeviceProfile& profile)
{
    g_profile = profile;
}
