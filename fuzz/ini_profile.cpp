// The INI reader and the device profile read through it: any text gives a profile whose port
// numbers stay within the bounds every user of the profile relies on.

#include "DeviceProfile.h"
#include "FuzzTarget.h"
#include "IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const IniFile ini = IniFile::fromText(text);
    const DeviceProfile profile = DeviceProfile::fromIni(ini);
    FUZZ_CHECK(profile.DevicePortNum >= 0 && profile.DevicePortNum <= DeviceProfile::kMaxPortCount);
    FUZZ_CHECK(profile.ComboPortNum >= 0 && profile.ComboPortNum <= profile.DevicePortNum);
    FUZZ_CHECK(profile.ComboPortIndex >= 1 && profile.ComboPortIndex <= DeviceProfile::kMaxPortCount + 1);
    FUZZ_CHECK(profile.DeviceName.find('\n') == std::string::npos);
    FUZZ_CHECK(profile.XMLName.find('\n') == std::string::npos);
    // Names are looked up without regard to case, whatever the text's own spelling.
    FUZZ_CHECK(ini.getString("deviceinfo", "devicename", "") == ini.getString("DEVICEINFO", "DeviceName", ""));
    return 0;
}
