#include "EntryChecks.h"

#include <gtest/gtest.h>

using namespace veridi;

TEST(EntryChecks, RangeBoxes) {
    struct Row {
        bool isMinimum;
        const char16_t* text;
        const char16_t* paired;
        std::optional<QString> message;
    };
    const QString notNumber = QStringLiteral("数を入力して下さい");
    const QString minAbove = QStringLiteral("最小値は最大値以下でなければなりません");
    const QString maxBelow = QStringLiteral("最大値は最小値以上でなければなりません");
    const Row rows[] = {
        {true, u"200", u"100", minAbove},       {false, u"50", u"50", std::nullopt},
        {true, u"abc", u"100", notNumber},      {false, u"", u"1", notNumber},
        {false, u"0", u"1", maxBelow},          {true, u"-5", u"0", std::nullopt},
        {true, u"2147483648", u"1", notNumber}, {true, u"$10", u"16", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(checkRangeBox(row.isMinimum, QString::fromUtf16(row.text), QString::fromUtf16(row.paired)),
                  row.message)
            << QString::fromUtf16(row.text).toStdString();
}

TEST(EntryChecks, RangeBoxesReadAsTheGeneratorReadsThem) {
    EXPECT_EQ(rangeBoxValue(true, u"x"_qs), 1);
    EXPECT_EQ(rangeBoxValue(false, u"x"_qs), 100);
    EXPECT_EQ(rangeBoxValue(false, u"-3"_qs), -3);
}

TEST(EntryChecks, RowsAndColumns) {
    const QString rowsRange = QStringLiteral("行は１以上１０以下でなければなりません");
    const QString colsRange = QStringLiteral("列は１以上４以下でなければなりません");
    const QString total = QStringLiteral("問題数は１以上２０以下でなければなりません");

    EXPECT_EQ(checkCols(u"5"_qs, u"1"_qs).message, colsRange);
    EXPECT_EQ(checkCols(u"0"_qs, u"1"_qs).message, colsRange);
    EXPECT_EQ(checkRows(u"11"_qs, u"1"_qs).message, rowsRange);
    EXPECT_EQ(checkRows(u"0"_qs, u"1"_qs).message, rowsRange);
    EXPECT_EQ(checkCols(u"3"_qs, u"10"_qs).message, total);
    EXPECT_EQ(checkRows(u"10"_qs, u"3"_qs).message, total);
    EXPECT_EQ(checkRows(u"x"_qs, u"1"_qs).message, QStringLiteral("数を入力して下さい"));

    const GridCheck accepted = checkCols(u"2"_qs, u"10"_qs);
    EXPECT_FALSE(accepted.message);
    EXPECT_EQ(accepted.value, 2);
    EXPECT_EQ(accepted.total, 20);
    // The other box counts as its default when it is not a number: 10 rows, 1 column.
    EXPECT_EQ(checkCols(u"3"_qs, u"junk"_qs).message, total);
    EXPECT_EQ(checkRows(u"7"_qs, u"junk"_qs).total, 7);

    // A hand-edited Row=0 with Col=1000: each box can still be mended while the other is wrong.
    const GridCheck rowsMended = checkRows(u"5"_qs, u"1000"_qs);
    EXPECT_FALSE(rowsMended.message);
    EXPECT_EQ(rowsMended.value, 5);
    EXPECT_FALSE(rowsMended.total);
    EXPECT_FALSE(checkCols(u"4"_qs, u"0"_qs).message);
    EXPECT_EQ(checkCols(u"4"_qs, u"6"_qs).message, total) << "once mended, the other box counts again";
}

TEST(EntryChecks, WholeGridNamesTheFirstLimitItBreaks) {
    EXPECT_EQ(checkWholeGrid(0, 1000), QStringLiteral("行は１以上１０以下でなければなりません"));
    EXPECT_EQ(checkWholeGrid(5, 1000), QStringLiteral("列は１以上４以下でなければなりません"));
    EXPECT_EQ(checkWholeGrid(10, 3), QStringLiteral("問題数は１以上２０以下でなければなりません"));
    EXPECT_FALSE(checkWholeGrid(10, 2));
    EXPECT_FALSE(checkWholeGrid(1, 1));
}
