#include "PortListText.h"
#include "ScriptedMessageBox.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(PortListToText, ListsMembersOfTheOctetsForThePortCount)
{
    struct Case {
        std::string octets;
        int portCount;
        QString text;
        int count;
    } cases[] = {
        {octets({0x80, 0x01}), 28, "1,16", 2},
        {octets({0x00, 0x00, 0x00, 0x00}), 28, "", 0},
        {octets({0xFF}), 8, "1,2,3,4,5,6,7,8", 8},
        // Bits beyond N in the last octet read still count; octets beyond it are not read.
        {octets({0, 0, 0, 0x1F, 0xFF}), 28, "28,29,30,31,32", 5},
        // A value shorter than the port count is read as far as it goes.
        {octets({0x40}), 28, "2", 1},
        {"", 28, "", 0},
        {octets({0xFF}), 0, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const PortText result = PortListToText(c.octets, c.portCount);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.count, c.count);
    }
}

TEST(PortListToRangeText, JoinsRunsWithinTheBounds)
{
    const std::string ports1to3and5and7to8 = octets({0xEB}); // 1110 1011
    struct Case {
        std::string octets;
        int lowest;
        int highest;
        QString text;
        int count;
    } cases[] = {
        {ports1to3and5and7to8, 1, 28, "1-3,5,7-8", 6},
        {ports1to3and5and7to8, 2, 7, "2-3,5,7", 4},
        {octets({0x80, 0x00, 0x00, 0x10}), 1, 28, "1,28", 2},
        {octets({0xFF, 0xFF, 0xFF, 0xF0}), 1, 28, "1-28", 28},
        {octets({0x00}), 1, 28, "", 0},
        {octets({0x01, 0x80}), 1, 28, "8-9", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const PortText result = PortListToRangeText(c.octets, c.lowest, c.highest);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.count, c.count);
    }
}

TEST(HexDigitsToPortText, FourPortsPerDigitSkippingOtherCharacters)
{
    struct Case {
        std::string hex;
        QString text;
        int count;
    } cases[] = {
        {"A1", "1,3,8", 3},
        {"0001", "16", 1},
        {"f", "1,2,3,4", 4},
        {"8-1", "1,8", 2}, // "-" takes no group
        {"", "", 0},
        {"00", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        const PortText result = HexDigitsToPortText(c.hex);
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.count, c.count);
    }
}

namespace {

std::vector<int> selectedPorts(const PortFlags& flags)
{
    std::vector<int> ports;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i])
            ports.push_back(int(i) + 1);
    }
    return ports;
}

} // namespace

TEST(ParsePortListText, SelectsListedPortsOrFailsWithInvalidPortlist)
{
    struct Case {
        QString text;
        bool ok;
        std::vector<int> selected;
    } cases[] = {
        {"1-3,5", true, {1, 2, 3, 5}},
        {"", true, {}},
        {"5-3", true, {}},
        {"28", true, {28}},
        {" 7, 9 - 10,", true, {7, 9, 10}}, // blanks before numbers, a trailing comma
        {"3x", true, {3}},                 // reading stops at the first non-digit
        {"0", false, {}},
        {"29", false, {}},
        {"1,,2", false, {1}},       // the empty item reads as 0; port 1 stays selected
        {"2,27-29", false, {2}},    // a range end beyond N
        {",", false, {}},
        {"-3", false, {}},
        {"99999999999999999999999", false, {}}, // overflow is out of range, not wrapped
        {"4294967297", false, {}},              // 2^32 + 1 would wrap to port 1 in 32 bits
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        ScriptedMessageBox boxes;
        PortFlags flags(28, 0);
        EXPECT_EQ(ParsePortListText(c.text, flags), c.ok);
        EXPECT_EQ(selectedPorts(flags), c.selected);
        EXPECT_EQ(boxes.texts(), c.ok ? QStringList{} : QStringList{"Invalid Portlist"});
    }
}

TEST(MarkListedPorts, StoresTheValueForListedPortsInRange)
{
    std::vector<int> perPort(8, 0);
    MarkListedPorts("1,3,0,9,-2,8,x", perPort, 7);
    EXPECT_EQ(perPort, (std::vector<int>{7, 0, 7, 0, 0, 0, 0, 7}));

    MarkListedPorts("", perPort, 1);
    MarkListedPorts("2-4", perPort, 5); // no ranges here: "2-4" is port 2
    EXPECT_EQ(perPort, (std::vector<int>{7, 5, 7, 0, 0, 0, 0, 7}));
}

TEST(IsPortListChars, RefusesLettersAndTheForbiddenSymbols)
{
    EXPECT_TRUE(IsPortListChars("1-3, 5,7-8"));
    EXPECT_TRUE(IsPortListChars(""));
    EXPECT_TRUE(IsPortListChars("1(2)_+="));
    for (QChar c : QString("aZ~!@#$%^&*{}[]|\\:;'<>.?/`\"")) {
        SCOPED_TRACE(QString(c).toStdString());
        EXPECT_FALSE(IsPortListChars(QString("1") + c + "2"));
    }
}
