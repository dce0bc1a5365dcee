#include "TextCodec.h"

#include <gtest/gtest.h>

using namespace veridi;

TEST(TextCodec, JapaneseTextRoundTripsThroughCodePage932) {
    const QString text = QStringLiteral("かずの計算　～①ＭＳ Ｐゴシック");
    bool ok = false;
    const QByteArray bytes = encodeCp932(text, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(bytes.left(2), QByteArray("\x82\xa9")); // "か"
    EXPECT_EQ(decodeCp932(bytes), text);
}

TEST(TextCodec, CharactersTheCodePageLacksBecomeQuestionMarks) {
    bool ok = true;
    EXPECT_EQ(encodeCp932(QStringLiteral("a😀b"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
}

TEST(TextCodec, BrokenBytesDecodeWithoutLosingTheRest) {
    const QString decoded = decodeCp932(QByteArray("ab\x82", 3));
    EXPECT_TRUE(decoded.startsWith(QStringLiteral("ab")));
    EXPECT_EQ(decodeCp932(QByteArray("\x81")).size(), 1);
}

TEST(TextCodec, CommandFilesHonourByteOrderMarks) {
    EXPECT_EQ(decodeCommandFile(QByteArray("\xEF\xBB\xBF") + QStringLiteral("線").toUtf8()),
              QStringLiteral("線"));
    QByteArray utf16le("\xFF\xFE", 2);
    utf16le.append("A\0", 2);
    EXPECT_EQ(decodeCommandFile(utf16le), QStringLiteral("A"));
    QByteArray utf16be("\xFE\xFF", 2);
    utf16be.append("\0B", 2);
    EXPECT_EQ(decodeCommandFile(utf16be), QStringLiteral("B"));
    EXPECT_EQ(decodeCommandFile(encodeCp932(QStringLiteral("なまえ"))), QStringLiteral("なまえ"));
}
