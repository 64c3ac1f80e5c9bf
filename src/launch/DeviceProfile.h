#pragma once
// The device profile: section DeviceInfo of User.ini in the folder named by SORVEX_PROFILE_DIR,
// else beside the executable, else in the installed data folder. Read by start-up (DeviceName)
// and by the device window (all).

#include <string>

class IniFile;

struct DeviceProfile {
    // The most ports a profile may name; larger counts are cut to it when the profile is read.
    static constexpr int kMaxPortCount = 99;

    std::string DeviceName;
    int DevicePortNum = 28;
    int ComboPortNum = 4;
    int ComboPortIndex = 25;
    std::string XMLName;
    bool IsAllGiga = false;
    bool IsHasFan = false;

    // The port count as the pages index ports: never below 0.
    int portCount() const { return DevicePortNum > 0 ? DevicePortNum : 0; }

    // The folder that holds User.ini, with a trailing '/'.
    static std::string profileDirectory();
    static std::string profilePath();
    // The folder of the running executable, with a trailing '/'.
    static std::string executableDirectory();

    // Reads the section in the order of its keys; the port numbers only when DeviceName is set,
    // the flags only when XMLName is set. A missing file gives the defaults. The port numbers are
    // bounded here, once, for every user: 0 to kMaxPortCount ports, no more combo ports than ports,
    // a combo index from 1 to kMaxPortCount + 1.
    static DeviceProfile read(const std::string& path);
    static DeviceProfile fromIni(const IniFile& ini);
    static std::string readDeviceName(const std::string& path);

    // Process-wide profile, published by the device window.
    static const DeviceProfile& current();
    static void setCurrent(const DeviceProfile& profile);
};
