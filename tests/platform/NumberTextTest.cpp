#include "NumberText.h"

#include <QString>

#include <gtest/gtest.h>

#include <limits>

using veridi::parseDecimal;
using veridi::parseInteger32;
using veridi::parseInteger64;

TEST(NumberText, ReadsTheTypedIntegerSyntax) {
    struct Row {
        const char16_t* text;
        std::optional<qint64> expected;
    };
    const Row rows[] = {
        {u"5", 5},
        {u"   5", 5},           // leading blanks are allowed
        {u"5 ", std::nullopt},  // nothing may follow
        {u"\t5", std::nullopt}, // only U+0020 counts as a blank
        {u"+12", 12},
        {u"-7", -7},
        {u"$1F", 31},
        {u"x1f", 31},
        {u"X1F", 31},
        {u"0x1f", 31},
        {u"0X1F", 31},
        {u"-$10", -16},
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"-", std::nullopt},
        {u"$", std::nullopt},
        {u"0x", std::nullopt},
        {u"５", std::nullopt}, // full-width digits are not digits here
        {u"1.5", std::nullopt},
        {u"12a", std::nullopt},
        {u"9223372036854775807", std::numeric_limits<qint64>::max()},
        {u"-9223372036854775808", std::numeric_limits<qint64>::min()},
        {u"9223372036854775808", std::nullopt},
        {u"-9223372036854775809", std::nullopt},
        {u"$7FFFFFFFFFFFFFFF", std::numeric_limits<qint64>::max()},
        {u"$8000000000000000", std::nullopt},
        {u"0", 0},
        {u"007", 7},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(parseInteger64(text), row.expected) << text.toStdString();
    }
}

TEST(NumberText, Limits32BitValues) {
    EXPECT_EQ(parseInteger32(u"2147483647"), 2147483647);
    EXPECT_EQ(parseInteger32(u"-2147483648"), std::numeric_limits<qint32>::min());
    EXPECT_EQ(parseInteger32(u"2147483648"), std::nullopt);
    EXPECT_EQ(parseInteger32(u"0x14"), 20);
}

TEST(NumberText, ReadsTypedDecimals) {
    const struct {
        const char16_t* text;
        std::optional<double> value;
    } rows[] = {
        {u"0", 0.0},
        {u"25.5", 25.5},
        {u" 12.5 ", 12.5},
        {u"-3", -3.0},
        {u"+2", 2.0},
        {u".5", 0.5},
        {u"1e2", 100.0},
        {u"", std::nullopt},
        {u"abc", std::nullopt},
        {u"7mm", std::nullopt},
        {u"1,5", std::nullopt},
        {u"1,000", std::nullopt},
        {u"inf", std::nullopt},
        {u"-inf", std::nullopt},
        {u"nan", std::nullopt},
        {u"1e400", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(parseDecimal(row.text), row.value) << QString::fromUtf16(row.text).toStdString();
}
