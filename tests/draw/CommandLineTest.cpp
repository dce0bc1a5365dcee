#include "CommandLine.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace veridi;

namespace {

struct SplitCase {
    const char* name;
    QString line;
    QStringList fields;
};

TEST(SplitFields, FollowsTheFieldRules) {
    const SplitCase cases[] = {
        {"quoted text keeps its comma", "TextOut,1,2,\"a,b\",NIL", {"TextOut", "1", "2", "a,b", "NIL"}},
        {"doubled quotes stand for one", "T,\"say \"\"hi\"\"\",x", {"T", "say \"hi\"", "x"}},
        {"empty quoted text", "T,\"\"", {"T", ""}},
        {"a blank ends an unquoted field",
         "textout,1,2,hello world",
         {"textout", "1", "2", "hello", "world"}},
        {"two commas give an empty field", "Line,1,,3,4", {"Line", "1", "", "3", "4"}},
        {"a final comma adds an empty field", "Line,1,2,3,4,", {"Line", "1", "2", "3", "4", ""}},
        {"text behind a closing quote starts a field", "A,\"abc\"def", {"A", "abc", "def"}},
        {"an unclosed quote takes the rest", "A,\"open, ended", {"A", "open, ended"}},
        {"blanks around fields are skipped", "  A ,\t B  ", {"A", "B"}},
        {"blank after a closing quote", "A,\"x\" ,y", {"A", "x", "y"}},
        {"a comma alone", ",", {"", ""}},
        {"a doubled quote at the end", "\"a\"\"", {"a\""}},
        {"control characters separate",
         QString("A\x01"
                 "B"),
         {"A", "B"}},
        {"a line ends at a NUL", QString::fromUtf16(u"A,b\0c,d", 7), {"A", "b"}},
        {"Japanese text unquoted",
         QStringLiteral("TextOut,1,2,こんにちは"),
         {"TextOut", "1", "2", QStringLiteral("こんにちは")}},
        {"blank line", "   ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitFields(c.line), c.fields) << c.name;
}

TEST(SplitFields, StopsOneFieldBeyondTheCap) {
    EXPECT_EQ(splitFields(QString(kMaxLineFields - 1, u',')).size(), kMaxLineFields);
    EXPECT_EQ(splitFields(QString(kMaxLineFields, u',')).size(), kMaxLineFields + 1);
    EXPECT_EQ(splitFields(QString(1000000, u',')).size(), kMaxLineFields + 1);
}

TEST(TrimLine, RemovesControlCharactersAtBothEnds) {
    EXPECT_EQ(trimLine(u"\t Line,1, 2 \r\n"), "Line,1, 2");
    EXPECT_EQ(trimLine(QString("\x01\x1f ")), "");
    EXPECT_EQ(trimLine(QStringLiteral("　全角")), QStringLiteral("　全角")); // U+3000 is not a blank here
}

struct RealCase {
    const char* text;
    std::optional<Real> value;
};

TEST(ParseReal, AcceptsOnlyTheNumberSyntax) {
    const RealCase cases[] = {
        {"12.5", 12.5L},
        {"  7", 7.0L},
        {"+3", 3.0L},
        {"-0.5", -0.5L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"1e3", 1000.0L},
        {"2.5E-1", 0.25L},
        {"1E+2", 100.0L},
        {".", 0.0L},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1,5", std::nullopt},
        {"1e", std::nullopt},
        {"1e+", std::nullopt},
        {"+", std::nullopt},
        {"12 ", std::nullopt},
        {"\t1", std::nullopt},
        {"0x10", std::nullopt},
        {"1.2.3", std::nullopt},
        {"e5", std::nullopt},
        {"NIL", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<Real> got = parseReal(QString::fromLatin1(c.text));
        ASSERT_EQ(got.has_value(), c.value.has_value()) << c.text;
        if (got) {
            EXPECT_EQ(*got, *c.value) << c.text;
        }
        EXPECT_EQ(readReal(QString::fromLatin1(c.text)), c.value.value_or(0)) << c.text;
    }
}

TEST(ParseReal, NonAsciiDigitsAreNotNumbers) {
    EXPECT_FALSE(parseReal(QStringLiteral("１２")));
    EXPECT_FALSE(parseReal(QStringLiteral("١٢")));
}

TEST(ParseReal, OutOfRangeExponentsSaturateOrVanish) {
    EXPECT_TRUE(std::isfinite(readReal(u"1e99999")));
    EXPECT_GT(readReal(u"1e99999"), 1e300L);
    EXPECT_EQ(readReal(u"1e-99999"), 0);
}

TEST(ReadInteger, DecimalAndHexadecimal) {
    const std::pair<const char*, qint32> cases[] = {
        {"12", 12}, {"-3", -3}, {"$1F", 31}, {"0x10", 16},
        {"1.0", 0}, {"", 0},    {"abc", 0},  {"99999999999", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ReadInteger(QString::fromLatin1(text)), value) << text;
}

TEST(FormatReal, WritesTheFixedScientificForm) {
    const std::pair<Real, const char*> cases[] = {
        {12.5L, " 1.25000000000000E+0001"},
        {0.0L, " 0.00000000000000E+0000"},
        {-0.0L, " 0.00000000000000E+0000"},
        {-0.5L, "-5.00000000000000E-0001"},
        {1.0L / 3, " 3.33333333333333E-0001"},
        {2.0L / 3, " 6.66666666666667E-0001"},
        {1e100L, " 1.00000000000000E+0100"},
        {-1e-300L, "-1.00000000000000E-0300"},
        {9.9999999999999999L, " 1.00000000000000E+0001"},
        {203.2L, " 2.03200000000000E+0002"},
        {Real(0.1), " 1.00000000000000E-0001"},
        {Real(-4.9406564584124654e-324), "-4.94065645841247E-0324"},
        {1e1000L, " 1.00000000000000E+1000"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(formatReal(value), QString::fromLatin1(text));
        EXPECT_EQ(formatReal(value).size(), 23);
    }
}

TEST(FormatReal, ReadsBackToFifteenDigits) {
    for (Real v : {37.795275590551181L, -123.456789L, 1e-7L, 6814.0L}) {
        const QStringList fields = splitFields(QStringLiteral("Line,") + formatReal(v));
        ASSERT_EQ(fields.size(), 2);
        EXPECT_NEAR(double(readReal(fields[1])), double(v), std::fabs(double(v)) * 1e-14);
    }
}

TEST(FormatPenWidth, GeneralFormat) {
    const std::pair<Real, const char*> cases[] = {
        {0.5L, "0.5"},         {2.0L, "2"},
        {0.0L, "0"},           {12.25L, "12.25"},
        {0.1, "0.1"},          {1.0L / 3, "0.333333333333333"},
        {0.000001L, "1E-6"},   {1e15L, "1E15"},
        {-2.5L, "-2.5"},       {123456789012345.0L, "123456789012345"},
        {0.00012L, "0.00012"}, {2.5e-7L, "2.5E-7"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatPenWidth(value), QString::fromLatin1(text)) << text;
}

TEST(Quote, DoublesQuotesAndSurvivesSplitting) {
    EXPECT_EQ(quote(u""), "\"\"");
    EXPECT_EQ(quote(u"a\"b"), "\"a\"\"b\"");
    for (const QString& text : {QStringLiteral("a, b"), QStringLiteral("\"quoted\""), QString(),
                                QStringLiteral("  lead"), QStringLiteral("x\"\"y")}) {
        const QStringList fields =
            splitFields(QStringLiteral("TextOut,1,2,") + quote(text) + QStringLiteral(",NIL"));
        ASSERT_EQ(fields.size(), 5) << text.toStdString();
        EXPECT_EQ(fields[3], text);
        EXPECT_EQ(fields[4], "NIL");
    }
}

TEST(Colors, NamesReadWithoutRegardToCase) {
    const std::pair<const char*, QRgb> cases[] = {
        {"aqua", qRgb(0, 255, 255)},     {"Blue", qRgb(0, 0, 255)},
        {"DKGRAY", qRgb(128, 128, 128)}, {"gray", qRgb(128, 128, 128)},
        {"FUCHSIA", qRgb(255, 0, 255)},  {"green", qRgb(0, 128, 0)},
        {"LIME", qRgb(0, 255, 0)},       {"ltgray", qRgb(192, 192, 192)},
        {"maroon", qRgb(128, 0, 0)},     {"NAVY", qRgb(0, 0, 128)},
        {"olive", qRgb(128, 128, 0)},    {"purple", qRgb(128, 0, 128)},
        {" red ", qRgb(255, 0, 0)},      {"silver", qRgb(192, 192, 192)},
        {"teal", qRgb(0, 128, 128)},     {"white", qRgb(255, 255, 255)},
        {"yellow", qRgb(255, 255, 0)},   {"black", qRgb(0, 0, 0)},
        {"pink", qRgb(0, 0, 0)},         {"", qRgb(0, 0, 0)},
        {"clRed", qRgb(0, 0, 0)},
    };
    for (const auto& [name, rgb] : cases)
        EXPECT_EQ(NameToColor(QString::fromLatin1(name)).rgb(), rgb) << name;
}

TEST(Colors, OneNameWrittenPerColour) {
    EXPECT_EQ(ColorToName(QColor(128, 128, 128)), "DKGRAY");
    EXPECT_EQ(ColorToName(QColor(192, 192, 192)), "SILVER");
    EXPECT_EQ(ColorToName(QColor(255, 0, 0)), "RED");
    EXPECT_EQ(ColorToName(QColor(0, 0, 0)), "BLACK");
    EXPECT_EQ(ColorToName(QColor(1, 2, 3)), "BLACK");
    EXPECT_EQ(ColorToName(QColor()), "BLACK");
    for (const char* name : {"AQUA", "BLUE", "DKGRAY", "FUCHSIA", "GREEN", "LIME", "MAROON", "NAVY", "OLIVE",
                             "PURPLE", "RED", "SILVER", "TEAL", "WHITE", "YELLOW", "BLACK"})
        EXPECT_EQ(ColorToName(NameToColor(QString::fromLatin1(name))), name);
}

} // namespace
