#include "MacText.h"
#include "ScriptedMessageBox.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(ValidateMacText, ChecksInOrderWithOneMessage)
{
    const QString format = "Please enter correct MAC format(ex:00-00-00-00-00-01)";
    const QString broadcast = "Broadcast MAC is not allowed.";
    const QString multicast = "Multicast MAC is not allowed.";
    struct Case {
        QString mac;
        bool multicastAllowed;
        QString message; // empty: accepted
    } cases[] = {
        {"00-11-22-33-44-55", false, ""},
        {"0a-bB-cc-DD-ee-Ff", false, ""},
        {"00-00-00-00-00-00", false, format},
        {"0000-0000-0000", false, format},
        {"00:11:22:33:44:55", false, format},
        {"00-11-22-33-44-5", false, format},
        {"00-11-22-33-44-555", false, format},
        {"0g-11-22-33-44-55", false, format},
        {"--0-00-00-00-00-01", false, format},
        {"-0-00-00-00-00-001", false, format}, // a dash where a digit belongs
        {"FF-FF-FF-FF-FF-FF", true, broadcast},
        {"ff-ff-ff-ff-ff-ff", false, broadcast},
        {"01-00-5E-00-00-01", false, multicast},
        {"01-00-5E-00-00-01", true, ""},
        {"03-00-00-00-00-00", false, multicast},
        {"02-00-00-00-00-00", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mac.toStdString());
        ScriptedMessageBox boxes;
        EXPECT_EQ(ValidateMacText(c.mac, c.multicastAllowed), c.message.isEmpty());
        EXPECT_EQ(boxes.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    }
}

TEST(MacTextToIndex, EachOctetInDecimalAfterADot)
{
    EXPECT_EQ(MacTextToIndex("00-11-22-33-44-55"), ".0.17.34.51.68.85");
    EXPECT_EQ(MacTextToIndex("FF-fe-00-00-00-0A"), ".255.254.0.0.0.10");
    EXPECT_EQ(MacTextToIndex(""), "");
}

TEST(MacOctetsText, TwoUpperCaseDigitsPerOctet)
{
    EXPECT_EQ(MacOctetsText(std::string("\x01\x00\x5e\x7f\xff\xfa", 6)), "01-00-5E-7F-FF-FA");
    EXPECT_EQ(MacOctetsText(std::string("\x0a\x5c\x31", 3)), "0A-5C-31");
    EXPECT_EQ(MacOctetsText(""), "");
}

TEST(MacTextToOctets, TwoDigitsPerOctet)
{
    EXPECT_EQ(MacTextToOctets("00-1b-A2-33-44-FF"), std::string("\x00\x1b\xa2\x33\x44\xff", 6));
}
