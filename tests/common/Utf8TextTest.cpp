#include "Utf8Text.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(Utf8Text, ValidUtf8RoundTripsByteForByte)
{
    const std::string samples[] = {
        "Switch-1",
        "B\xC3\xBCro Z\xC3\xBCrich",                       // Latin-1 letters as two-byte sequences
        "\xE6\x9D\xB1\xE4\xBA\xAC \xD0\x9C\xD0\xBE\xD1\x81", // CJK and Cyrillic
        "rack \xF0\x9F\x93\xA1",                            // four-byte sequence (surrogate pair)
        "\xEF\xBB\xBF" "bom",                               // a leading BOM is a character too
        "",
    };
    for (const std::string& bytes : samples) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(TextToUtf8(TextFromUtf8(bytes)), bytes);
    }
    EXPECT_EQ(TextFromUtf8("B\xC3\xBCro"), QString::fromUtf8("Büro"));
    EXPECT_EQ(TextFromUtf8("\xF0\x9F\x93\xA1").size(), 2);
}

TEST(Utf8Text, ReadingEndsAtNulAndMarksInvalidBytes)
{
    EXPECT_EQ(TextFromUtf8(std::string_view("name\0\0\0", 7)), "name");
    EXPECT_EQ(TextFromUtf8(std::string_view("\0x", 2)), "");
    EXPECT_EQ(TextFromUtf8("caf\xE9"), QString::fromUtf8("caf\uFFFD"));
    EXPECT_EQ(TextFromUtf8("\xC3"), QString(QChar(0xFFFD)));
}

TEST(Utf8Text, WriteKeepsWholeCharactersWithinTheBuffer)
{
    const QString ascii(200, u'a');
    EXPECT_EQ(TextToUtf8(ascii).size(), 127u);
    EXPECT_EQ(TextToUtf8(ascii, 10), std::string(9, 'a'));
    EXPECT_EQ(TextToUtf8(ascii, 1), "");
    EXPECT_EQ(TextToUtf8(ascii, 0), "");

    // 126 ASCII bytes and then "ü" (2 bytes): the 127-byte limit falls inside it.
    const QString lastCharSplit = QString(126, u'x') + QString::fromUtf8("ü");
    EXPECT_EQ(TextToUtf8(lastCharSplit), std::string(126, 'x'));
    // 125 + 2 fits exactly.
    const QString exactFit = QString(125, u'x') + QString::fromUtf8("ü");
    EXPECT_EQ(TextToUtf8(exactFit).size(), 127u);

    // 42 three-byte characters are 126 bytes; a 43rd and a four-byte one do not fit.
    const QString cjk = QString(43, QChar(0x6771));
    EXPECT_EQ(TextToUtf8(cjk).size(), 126u);
    const QString emoji = QString(124, u'x') + QString::fromUtf8("\xF0\x9F\x93\xA1");
    EXPECT_EQ(TextToUtf8(emoji), std::string(124, 'x'));

    // What was cut is still valid UTF-8 and reads back as the characters kept.
    EXPECT_EQ(TextFromUtf8(TextToUtf8(cjk)), QString(42, QChar(0x6771)));
}
