#include "ConnectForm.h"

#include <gtest/gtest.h>

namespace {

ConnectForm v1(const QString& address, const QString& read, const QString& write)
{
    ConnectForm f;
    f.address = address;
    f.readCommunity = read;
    f.writeCommunity = write;
    return f;
}

ConnectForm v3(const QString& user, int level, const QString& auth, const QString& priv,
               ConnectForm::AuthProtocol protocol = ConnectForm::AuthProtocol::HmacSha)
{
    ConnectForm f;
    f.address = QStringLiteral("10.0.0.5");
    f.version = 3;
    f.user = user;
    f.securityLevel = level;
    f.authProtocol = protocol;
    f.authPassword = auth;
    f.privPassword = priv;
    return f;
}

TEST(ConnectForm, RefusesInTheOrderOfTheForm)
{
    const struct {
        ConnectForm form;
        const char* problem;
    } cases[] = {
        {v1(QString(), QString(), QString()), "Enter the address of the switch."},
        {v1(QStringLiteral("  "), QStringLiteral("r"), QStringLiteral("w")), "Enter the address of the switch."},
        // The address comes before the empty communities.
        {v1(QStringLiteral("10.0.0.5:99999"), QString(), QString()),
         "The address cannot be used: the port 99999 is outside 1-65535."},
        {v1(QStringLiteral("10.0.0.5:"), QStringLiteral("r"), QStringLiteral("w")),
         "The address cannot be used: the port after ':' is missing."},
        {v1(QStringLiteral("10.0.0.5"), QString(), QStringLiteral("w")), "Enter the read community."},
        {v1(QStringLiteral("10.0.0.5"), QStringLiteral("r"), QString()), "Enter the write community."},
        {v1(QStringLiteral("[::1]:16161"), QStringLiteral("r"), QStringLiteral("w")), ""},
        {v1(QStringLiteral("switch.example:161"), QStringLiteral("r"), QStringLiteral("w")), ""},
        {v3(QString(), 3, QStringLiteral("short"), QString()), "Enter the user name."},
        {v3(QStringLiteral("admin"), 3, QStringLiteral("1234567"), QStringLiteral("privpass1")),
         "The authentication password needs at least 8 characters."},
        {v3(QStringLiteral("admin"), 3, QStringLiteral("12345678"), QStringLiteral("1234567")),
         "The privacy password needs at least 8 characters."},
        {v3(QStringLiteral("admin"), 3, QStringLiteral("12345678"), QStringLiteral("12345678")), ""},
        // Passwords the security level does not use are not looked at.
        {v3(QStringLiteral("admin"), 2, QStringLiteral("12345678"), QString()), ""},
        {v3(QStringLiteral("noauth"), 1, QString(), QString()), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        EXPECT_EQ(c.form.problem().toStdString(), c.problem);
    }
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

// The dialog's values give what the launch line with the same values gives.
TEST(ConnectForm, GivesTheParametersOfTheLaunchLine)
{
    ConnectForm readOnly = v1(QStringLiteral(" 10.0.0.5:16161 "), QStringLiteral("tundra"), QStringLiteral("lantern"));
    readOnly.writeEnabled = false;
    const struct {
        ConnectForm form;
        const char* line;
    } cases[] = {
        {v1(QStringLiteral("10.0.0.5"), QStringLiteral("r"), QStringLiteral("w")), "/A1/I10.0.0.5/Rr/Ww/ETRUE/V1/P161"},
        {readOnly, "/A1/I10.0.0.5:16161/Rtundra/Wlantern/EFALSE/V1/P161"},
        {v3(QStringLiteral("admin"), 3, QStringLiteral("authpass1"), QStringLiteral("privpass1")),
         "/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauthpass1/Bprivpass1/H3/J2"},
        {v3(QStringLiteral("md5user"), 2, QStringLiteral("md5authpass"), QStringLiteral("ignored!"),
            ConnectForm::AuthProtocol::HmacMd5),
         "/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S2/Umd5user/Amd5authpass/B/H2/J"},
        {v3(QStringLiteral("noauth"), 1, QStringLiteral("ignored!"), QStringLiteral("ignored!")),
         "/A1/I10.0.0.5/R/W/ETRUE/V3/P161/X/Y/T1/S1/Unoauth"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        expectSame(c.form.params(), LaunchParams::parse(c.line));
    }
}

} // namespace
