#include "DeviceProfile.h"
#include "IniFile.h"
#include "LaunchParams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

struct LaunchCase {
    const char* line;
    LaunchParams expected;
};

LaunchParams with(std::initializer_list<std::pair<std::string LaunchParams::*, std::string>> fields, int writeEnabled = 1)
{
    LaunchParams p;
    for (auto& [member, value] : fields)
        p.*member = value;
    p.WriteEnabled = writeEnabled;
    return p;
}

void expectSame(const LaunchParams& a, const LaunchParams& e)
{
    EXPECT_EQ(a.FirstToken, e.FirstToken);
    EXPECT_EQ(a.IPAddress, e.IPAddress);
    EXPECT_EQ(a.ReadCommunity, e.ReadCommunity);
    EXPECT_EQ(a.WriteCommunity, e.WriteCommunity);
    EXPECT_EQ(a.WriteEnabled, e.WriteEnabled);
    EXPECT_EQ(a.SnmpVersion, e.SnmpVersion);
    EXPECT_EQ(a.Port, e.Port);
    EXPECT_EQ(a.Token9, e.Token9);
    EXPECT_EQ(a.SecurityLevel, e.SecurityLevel);
    EXPECT_EQ(a.UserName, e.UserName);
    EXPECT_EQ(a.AuthPassword, e.AuthPassword);
    EXPECT_EQ(a.PrivPassword, e.PrivPassword);
    EXPECT_EQ(a.AuthProtocol, e.AuthProtocol);
    EXPECT_EQ(a.PrivProtocol, e.PrivProtocol);
}

using L = LaunchParams;

TEST(LaunchParams, ParsesPositionalTokens)
{
    const LaunchCase cases[] = {
        // Version 1 stops after the port.
        {"/A1/I10.0.0.5/Rx/Wy/ETRUE/V1/P161/Xa/Yb/T9/S3/Uuser",
         with({{&L::FirstToken, "1"}, {&L::IPAddress, "10.0.0.5"}, {&L::ReadCommunity, "x"}, {&L::WriteCommunity, "y"},
               {&L::SnmpVersion, "1"}, {&L::Port, "161"}})},
        // Blanks inside a token are dropped.
        {"/A1/Imy switch/Rx", with({{&L::FirstToken, "1"}, {&L::IPAddress, "myswitch"}, {&L::ReadCommunity, "x"}})},
        // A full version-3 line; an empty position keeps its default.
        {"/A1/I10.0.0.5/R/W/Etrue/V3/P162/Xa/Yb/T7/S3/U/Aauthpass/Bprivpass/H3/J2/Zignored",
         with({{&L::FirstToken, "1"}, {&L::IPAddress, "10.0.0.5"}, {&L::SnmpVersion, "3"}, {&L::Port, "162"},
               {&L::Token9, "7"}, {&L::SecurityLevel, "3"}, {&L::AuthPassword, "authpass"},
               {&L::PrivPassword, "privpass"}, {&L::AuthProtocol, "3"}, {&L::PrivProtocol, "2"}})},
        // "True" and an empty flag disable writing.
        {"/A1/I10.0.0.5/Rx/Wy/ETrue", with({{&L::FirstToken, "1"}, {&L::IPAddress, "10.0.0.5"}, {&L::ReadCommunity, "x"},
                                            {&L::WriteCommunity, "y"}}, 0)},
        {"/A1/I10.0.0.5/Rx/Wy/E/V3", with({{&L::FirstToken, "1"}, {&L::IPAddress, "10.0.0.5"}, {&L::ReadCommunity, "x"},
                                          {&L::WriteCommunity, "y"}, {&L::SnmpVersion, "3"}}, 0)},
        // Without "/I" everything after the first token stays at its default.
        {"/A1/X10.0.0.5/Rx", with({{&L::FirstToken, "1"}})},
        // An empty address stops parsing.
        {"/A1/I/Rx/Wy", with({{&L::FirstToken, "1"}})},
        // Edge positions: nothing to read past the end.
        {"", L{}},
        {"/", L{}},
        {"/A", L{}},
        {"/A1/", with({{&L::FirstToken, "1"}})},
        {"/A1/I10.0.0.5/", with({{&L::FirstToken, "1"}, {&L::IPAddress, "10.0.0.5"}})},
        {"/A1/I10.0.0.5/R", with({{&L::FirstToken, "1"}, {&L::IPAddress, "10.0.0.5"}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        expectSame(LaunchParams::parse(c.line), c.expected);
    }
}

TEST(LaunchParams, KeepsLongTokensWhole)
{
    const std::string user(300, 'u');
    const auto p = LaunchParams::parse("/A1/I10.0.0.5/R/W/E/V3/P/X/Y/T/S2/U" + user + "/A" + std::string(200, 'a'));
    EXPECT_EQ(p.UserName, user);
    EXPECT_EQ(p.AuthPassword, std::string(200, 'a'));
}

TEST(IniFile, FollowsProfileLookupRules)
{
    const auto ini = IniFile::fromText("; comment\n[deviceinfo]\n DeviceName = \"SORVEX-A B1\" \nDevicePortNum=28ports\n"
                                       "ComboPortNum=x4\nBig=99999999999\nNeg=-7\nDevicePortNum=52\n[Other]\nKey=1\n");
    EXPECT_EQ(ini.getString("DeviceInfo", "DEVICENAME", "none"), "SORVEX-A B1");
    EXPECT_EQ(ini.getString("DeviceInfo", "Missing", "none"), "none");
    EXPECT_EQ(ini.getString("NoSection", "DeviceName", "none"), "none");
    EXPECT_EQ(ini.getInt("DeviceInfo", "DevicePortNum", 0), 28); // leading digits; first key wins
    EXPECT_EQ(ini.getInt("DeviceInfo", "ComboPortNum", 4), 0);   // no digits reads as 0
    EXPECT_EQ(ini.getInt("DeviceInfo", "Missing", 25), 25);
    EXPECT_EQ(ini.getInt("DeviceInfo", "Neg", 0), -7);
    EXPECT_EQ(ini.getInt("DeviceInfo", "Big", 0), 2147483647);
    EXPECT_FALSE(IniFile("/nonexistent/User.ini").exists());
}

TEST(DeviceProfile, ReadsSectionWithDependentKeys)
{
    const std::string path = ::testing::TempDir() + "/profile_test_User.ini";
    auto write = [&](const std::string& text) { std::ofstream(path) << text; };

    write("[DeviceInfo]\nDeviceName=SORVEX-A B1\nDevicePortNum=24\nXMLName=a.xml\nIsHasFan=y\nIsAllGiga=N\n");
    auto p = DeviceProfile::read(path);
    EXPECT_EQ(p.DeviceName, "SORVEX-A B1");
    EXPECT_EQ(p.DevicePortNum, 24);
    EXPECT_EQ(p.ComboPortIndex, 25);
    EXPECT_TRUE(p.IsHasFan);
    EXPECT_FALSE(p.IsAllGiga);

    // Port numbers only with a device name, flags only with a description name.
    write("[DeviceInfo]\nDevicePortNum=8\nIsHasFan=Y\n");
    p = DeviceProfile::read(path);
    EXPECT_EQ(p.DeviceName, "");
    EXPECT_EQ(p.DevicePortNum, 28);
    EXPECT_FALSE(p.IsHasFan);

    p = DeviceProfile::read("/nonexistent/User.ini");
    EXPECT_EQ(p.DeviceName, "");
    EXPECT_EQ(DeviceProfile::readDeviceName("/nonexistent/User.ini"), "");
    std::remove(path.c_str());
}

TEST(DeviceProfile, BoundsThePortNumbersForEveryUser)
{
    const std::string path = ::testing::TempDir() + "/profile_bounds_User.ini";
    const struct {
        const char* ports;
        const char* combos;
        const char* comboIndex;
        int expectedPorts, expectedCombos, expectedIndex;
    } cases[] = {
        {"28", "4", "25", 28, 4, 25},
        {"2147483647", "2147483647", "2147483647", 99, 99, 100},
        {"-5", "-1", "-2147483648", 0, 0, 1},
        {"24", "30", "0", 24, 24, 1},
    };
    for (const auto& c : cases) {
        std::ofstream(path) << "[DeviceInfo]\nDeviceName=X\nDevicePortNum=" << c.ports << "\nComboPortNum=" << c.combos
                            << "\nComboPortIndex=" << c.comboIndex << "\n";
        const auto p = DeviceProfile::read(path);
        EXPECT_EQ(p.DevicePortNum, c.expectedPorts) << c.ports;
        EXPECT_EQ(p.ComboPortNum, c.expectedCombos) << c.combos;
        EXPECT_EQ(p.ComboPortIndex, c.expectedIndex) << c.comboIndex;
    }
    std::remove(path.c_str());
}

TEST(IniFile, ReadsOnlyBoundedRegularFiles)
{
    // A device or a pipe reads as a missing file instead of blocking or filling memory.
    EXPECT_FALSE(IniFile("/dev/zero").exists());
    EXPECT_EQ(DeviceProfile::read("/dev/zero").DeviceName, "");
    // Keys beyond the first MiB are not read.
    const std::string path = ::testing::TempDir() + "/profile_big_User.ini";
    {
        std::ofstream out(path);
        out << "[DeviceInfo]\nDeviceName=near\n" << std::string(IniFile::kMaxBytes, ';') << "\nXMLName=far\n";
    }
    const IniFile ini(path);
    EXPECT_EQ(ini.getString("DeviceInfo", "DeviceName", ""), "near");
    EXPECT_EQ(ini.getString("DeviceInfo", "XMLName", ""), "");
    std::remove(path.c_str());
}

TEST(LaunchParams, NamesWhatMakesALineUnusable)
{
    const struct {
        std::string line;
        std::string problem;
    } cases[] = {
        {"/A1/I10.0.0.5/Rx/Wy/ETRUE/V1/P161", ""},
        {"/A1/I10.0.0.5/R/W/E/V3/P161/X/Y/T1/S1/Uuser", ""},
        {"/A1/I10.0.0.5/Rx/Wy/ETRUE/V/P161", ""}, // an empty version keeps version 1
        {" ", "the launch line names no address (it needs /I<address>)"},
        {"/A1/Rtundra", "the launch line names no address (it needs /I<address>)"},
        {std::string(10000, '/'), "the launch line names no address (it needs /I<address>)"},
        {"/A1/I/Rtundra/Wlantern/ETRUE/V1/P161", "the launch line names no address (it needs /I<address>)"},
        {"/A1/I10.0.0.5/Rx/Wy/ETRUE/V2/P161", "the launch line names SNMP version \"2\"; only 1 and 3 are supported"},
        {"/A1/I10.0.0.5/Rx/Wy/ETRUE/V" + std::string(40, '9') + "/P161",
         "the launch line names SNMP version \"9999999999999999...\"; only 1 and 3 are supported"},
        {"/A1/I10.0.0.5/Rx/Wy/ETRUE/V3\n/P161", // still one line
         "the launch line names SNMP version \"3\\x0A\"; only 1 and 3 are supported"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LaunchParams::parse(c.line).problem(), c.problem) << c.line.substr(0, 40);
}

} // namespace
