#include "LaunchArguments.h"
#include "LaunchParams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The arguments after hideSecrets, joined with blanks, and what parse read before.
std::string hidden(std::vector<std::string> args, LaunchParams* parsed = nullptr)
{
    std::string joined;
    for (const auto& a : args)
        joined += (joined.empty() ? "" : " ") + a;
    if (parsed)
        *parsed = LaunchParams::parse(joined);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    LaunchArguments::hideSecrets(static_cast<int>(argv.size()), argv.data());
    std::string out;
    for (const auto& a : args)
        out += (out.empty() ? "" : " ") + std::string(a.c_str());
    return out;
}

TEST(LaunchArguments, HidesCommunitiesAndPasswordsOnly)
{
    const struct {
        std::vector<std::string> args;
        const char* expected;
    } cases[] = {
        {{"/A1/I10.0.0.5/Rtundra/Wlantern/ETRUE/V1/P161"}, "/A1/I10.0.0.5/R******/W*******/ETRUE/V1/P161"},
        // Version 1 stops after the port: what follows is no secret of the line.
        {{"/A1/I10.0.0.5/Rr/Ww/ETRUE/V1/P161/X/Y/T1/S3/Uu/Aauthpass"}, "/A1/I10.0.0.5/R*/W*/ETRUE/V1/P161/X/Y/T1/S3/Uu/Aauthpass"},
        {{"/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauthpass1/Bprivpass1/H3/J2"},
         "/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/A*********/B*********/H3/J2"},
        // A line split over several arguments, a password split by a blank among them.
        {{"/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauth", "pass1/Bpriv", "pass1/H3/J2"},
         "/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/A**** *****/B**** *****/H3/J2"},
        // A position of blanks only holds no secret (it gives the default).
        {{"/A1/I10.0.0.5/R  /Wx/ETRUE/V1"}, "/A1/I10.0.0.5/R  /W*/ETRUE/V1"},
        // Nothing parsed, nothing hidden.
        {{"/A1/Rtundra/Wlantern"}, "/A1/Rtundra/Wlantern"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        LaunchParams before;
        EXPECT_EQ(hidden(c.args, &before), c.expected);
    }
}

TEST(LaunchArguments, HiddenLineWasParsedWithItsSecrets)
{
    LaunchParams p;
    hidden({"/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauthpass1/Bprivpass1/H3/J2"}, &p);
    EXPECT_EQ(p.AuthPassword, "authpass1");
    EXPECT_EQ(p.PrivPassword, "privpass1");
}

TEST(LaunchArguments, ReadsTheFirstLine)
{
    const struct {
        std::string input;
        std::optional<std::string> expected;
    } cases[] = {
        {"/A1/I10.0.0.5/Rx\n/A1/Ielse\n", "/A1/I10.0.0.5/Rx"},
        {"/A1/I10.0.0.5/Rx\r\n", "/A1/I10.0.0.5/Rx"},
        {"/A1/I10.0.0.5/Rx", "/A1/I10.0.0.5/Rx"},
        {"", ""},
        {std::string(LaunchArguments::kMaxLineBytes, 'a') + "\n", std::string(LaunchArguments::kMaxLineBytes, 'a')},
        {std::string(LaunchArguments::kMaxLineBytes + 1, 'a'), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 40));
        std::FILE* in = std::tmpfile();
        ASSERT_NE(in, nullptr);
        std::fwrite(c.input.data(), 1, c.input.size(), in);
        std::rewind(in);
        EXPECT_EQ(LaunchArguments::readLine(in), c.expected);
        std::fclose(in);
    }
}

} // namespace
