// Where the programs look for their data: beside the executable first, then the installed data
// folder found from the executable's own place; the profile's folder from SORVEX_PROFILE_DIR first.

#include "DataLocation.h"
#include "DeviceProfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(DataLocation, BesideTheExecutableWinsOverTheInstalledFolder)
{
    const std::string beside = DataLocation::executableDirectory();
    ASSERT_EQ(beside.back(), '/');
    const std::string name = "data-location-probe-" + std::to_string(::getpid());
    EXPECT_EQ(DataLocation::folderHolding(name), DataLocation::installedDirectory());
    std::ofstream(beside + name) << "x";
    EXPECT_EQ(DataLocation::folderHolding(name), beside);
    fs::remove(beside + name);
}

TEST(DataLocation, InstalledFolderIsAPlainPathBesideBin)
{
    const std::string installed = DataLocation::installedDirectory();
    EXPECT_EQ(installed.back(), '/');
    EXPECT_EQ(installed.find("/../"), std::string::npos) << installed;
    EXPECT_EQ(installed.find("/./"), std::string::npos) << installed;
    // PREFIX/bin/program -> PREFIX/share/sorvex/
    const fs::path prefix = fs::path(DataLocation::executableDirectory()).parent_path().parent_path();
    EXPECT_EQ(installed, (prefix / "share" / "sorvex" / "").string());
}

TEST(DataLocation, ProfileFolderFromTheEnvironmentFirst)
{
    ::setenv("SORVEX_PROFILE_DIR", "/tmp/some-profile", 1);
    EXPECT_EQ(DeviceProfile::profileDirectory(), "/tmp/some-profile/");
    EXPECT_EQ(DeviceProfile::profilePath(), "/tmp/some-profile/User.ini");
    ::unsetenv("SORVEX_PROFILE_DIR");
    // Builds with the module put a User.ini beside the programs; others have none there.
    const bool beside = fs::exists(DataLocation::executableDirectory() + "User.ini");
    EXPECT_EQ(DeviceProfile::profileDirectory(),
              beside ? DataLocation::executableDirectory() : DataLocation::installedDirectory());
}
