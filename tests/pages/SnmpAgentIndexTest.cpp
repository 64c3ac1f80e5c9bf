// Row indexes of the agent's user, group and view tables, the subtree read back from a view
// row's index, and the texts the walked values are shown as.

#include "SnmpAgentIndex.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SnmpAgentIndex, RowIndexesOfUsersGroupsAndViews)
{
    struct Case {
        const char* name;
        std::string index, expected;
    };
    const Case cases[] = {
        {"user V1", UserIndex("ab", 1), ".2.97.98.1"},
        {"user V3", UserIndex("admin", 3), ".5.97.100.109.105.110.3"},
        {"user with a blank", UserIndex("a b", 2), ".3.97.32.98.2"},
        {"group v3 AuthNoPriv", GroupIndex("g", 3, 2), ".1.103.3.2"},
        {"group v1", GroupIndex("ops", 1, 1), ".3.111.112.115.1.1"},
        {"view", ViewIndex("ab", "1.3.6.1"), ".2.97.98.4.1.3.6.1"},
        {"view of one arc", ViewIndex("v", "1"), ".1.118.1.1"},
        {"non-ASCII names by their UTF-8 bytes", ViewIndex(QString::fromUtf8("é"), "1.3"), ".2.195.169.2.1.3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.index, c.expected) << c.name;
}

TEST(SnmpAgentIndex, SubtreeOfAViewRowIndex)
{
    struct Case {
        const char* index;
        const char* subtree;
    };
    const Case cases[] = {
        {".2.97.98.4.1.3.6.1", "1.3.6.1"},
        {".1.118.1.1", "1"},
        {".2.195.169.2.1.3", "1.3"},
        {".0.3.1.3.4294967295", "1.3.4294967295"},
        // Not of the form name, subtree length, subtree: nothing.
        {"", ""},
        {".2.97", ""},
        {".2.97.98", ""},
        {".2.97.98.0", ""},
        {".2.97.98.3.1.3", ""},
        {".2.97.98.1.1.3", ""},
        {"2.97.98.1.1", ""},
        {".2.97..98.1.1", ""},
        {".2.97.98.1.4294967296", ""},
        {".99.1.1", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ViewSubtreeOfIndex(c.index), QString::fromLatin1(c.subtree)) << c.index;
    EXPECT_EQ(ViewSubtreeOfIndex(ViewIndex("ab", "1.3.6.1.4.1")), "1.3.6.1.4.1");
}

TEST(SnmpAgentIndex, ValueTexts)
{
    struct Case {
        QString (*text)(const std::string&);
        const char* value;
        const char* expected;
    };
    const Case cases[] = {
        {UserVersionText, "1", "V1"},
        {UserVersionText, "2", "V2c"},
        {UserVersionText, "3", "V3"},
        {UserVersionText, "4", "4"},
        {UserVersionText, "03", "03"},
        {HostVersionText, "3", "V3-NoAuthNoPriv"},
        {HostVersionText, "4", "V3-AuthNoPriv"},
        {HostVersionText, "5", "V3-AuthPriv"},
        {HostVersionText, "0", "0"},
        {AuthProtocolText, "1", "None"},
        {AuthProtocolText, "2", "MD5"},
        {AuthProtocolText, "3", "SHA"},
        {PrivProtocolText, "1", "None"},
        {PrivProtocolText, "2", "DES_CBC"},
        {PrivProtocolText, "3", "3"},
        {SecurityModelText, "2", "v2c"},
        {SecurityLevelText, "1", "NoAuthNoPriv"},
        {SecurityLevelText, "3", "AuthPriv"},
        {ViewTypeText, "1", "Included"},
        {ViewTypeText, "2", "Excluded"},
        {ViewTypeText, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text(c.value), QString::fromLatin1(c.expected)) << c.value << " -> " << c.expected;
    EXPECT_EQ(ViewMaskText(std::string("\x01\x01\x00", 3)), "1.1.0");
    EXPECT_EQ(ViewMaskText(""), "");
    EXPECT_EQ(ViewMaskText("\xff"), "255");
}

} // namespace
