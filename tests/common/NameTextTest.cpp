#include "NameText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(IsValidNameText, RefusesTheForbiddenNameCharacters)
{
    EXPECT_TRUE(IsValidNameText("Office-2_(east) +x=y"));
    EXPECT_TRUE(IsValidNameText(""));
    EXPECT_TRUE(IsValidNameText(QString::fromUtf8("Büro Zürich 東京")));
    const QString forbidden = "~`!@#$%^&*{}[]|\\:;\"'<>,.?/";
    EXPECT_EQ(forbidden.size(), 26);
    for (QChar c : forbidden) {
        SCOPED_TRACE(QString(c).toStdString());
        EXPECT_FALSE(IsValidNameText(QString("ab") + c));
    }
}

TEST(NameIndex, LengthThenEveryByteInDecimal)
{
    EXPECT_EQ(NameIndex(std::string_view("ab")), ".2.97.98");
    EXPECT_EQ(NameIndex(std::string_view("")), ".0");
    EXPECT_EQ(NameIndex(std::string_view("\xff\x00", 2)), ".2.255.0");
    // Text keys are indexed by their UTF-8 bytes.
    EXPECT_EQ(NameIndex(QString("public")), ".6.112.117.98.108.105.99");
    EXPECT_EQ(NameIndex(QString::fromUtf8("é")), ".2.195.169");
}
