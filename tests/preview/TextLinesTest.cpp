#include "TextLines.h"
#include "FileError.h"
#include "TempFiles.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

namespace veridi {
namespace {

struct SplitRow {
    const char* name;
    QString text;
    QStringList lines;
};

TEST(SplitLines, EveryLineEndEndsALineAndTheLastEndAddsNone) {
    const SplitRow rows[] = {
        {"crlf", "a\r\nb", {"a", "b"}},
        {"lf", "a\nb", {"a", "b"}},
        {"cr", "a\rb", {"a", "b"}},
        {"mixed", "a\rb\nc\r\nd", {"a", "b", "c", "d"}},
        {"trailing end", "a\r\n", {"a"}},
        {"cr then crlf is two ends", "a\r\r\nb", {"a", "", "b"}},
        {"lf then cr is two ends", "a\n\rb", {"a", "", "b"}},
        {"blank lines kept", "\n\nx", {"", "", "x"}},
        {"empty text", "", {}},
        {"only an end", "\r\n", {""}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(splitLines(row.text), row.lines) << row.name;
        EXPECT_EQ(countLines(row.text), row.lines.size()) << row.name;
    }
}

struct EncodingRow {
    const char* name;
    QByteArray bytes;
};

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text) {
    QStringEncoder encoder(encoding);
    return encoder(text);
}

TEST(ReadCommandFile, ByteOrderMarkSelectsTheEncodingOtherwiseCodePage932) {
    const QString expected = QStringLiteral("TextOut,1,2,\"あいう\"");
    const QString text = expected + "\r\nLine,1,2,3,4";
    const EncodingRow rows[] = {
        {"utf-8 mark", "\xEF\xBB\xBF" + text.toUtf8()},
        {"utf-16le mark", "\xFF\xFE" + encoded(QStringConverter::Utf16LE, text)},
        {"utf-16be mark", "\xFE\xFF" + encoded(QStringConverter::Utf16BE, text)},
        {"code page 932", "TextOut,1,2,\"\x82\xA0\x82\xA2\x82\xA4\"\rLine,1,2,3,4"},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        const QStringList lines = readCommandFile(folder.write("list.prv", row.bytes));
        EXPECT_EQ(lines, QStringList({expected, "Line,1,2,3,4"})) << row.name;
    }
}

TEST(ReadFirstLine, DecodesByTheMarkOtherwiseCodePage932) {
    const QString name = QStringLiteral("表.prv");
    const QString text = name + "\r\nLine,1,2,3,4";
    const EncodingRow rows[] = {
        {"code page 932", "\x95\x5c.prv\r\nLine,1,2,3,4"},
        {"utf-8 mark", "\xEF\xBB\xBF" + text.toUtf8()},
        {"utf-16le mark", "\xFF\xFE" + encoded(QStringConverter::Utf16LE, text)},
        {"utf-16be mark", "\xFE\xFF" + encoded(QStringConverter::Utf16BE, text)},
        {"utf-16le, cr alone", "\xFF\xFE" + encoded(QStringConverter::Utf16LE, name + "\rx")},
        {"utf-8 mark, no line end", "\xEF\xBB\xBF" + name.toUtf8()},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        EXPECT_EQ(readFirstLine(folder.write("list.prv", row.bytes)), name) << row.name;
    }
    test::WorkFolder folder;
    EXPECT_EQ(readFirstLine(folder.write("empty.prv", "")), QString());
    EXPECT_EQ(readFirstLine(folder.write("mark only.prv", "\xEF\xBB\xBF")), QString());
}

TEST(ReadCommandFile, AFileOfTooManyLinesIsRefused) {
    test::WorkFolder folder;
    EXPECT_EQ(readCommandFile(folder.write("full.prv", QByteArray(kMaxCommandFileLines, '\n'))).size(),
              kMaxCommandFileLines);
    const QString name = folder.write("over.prv", QByteArray(kMaxCommandFileLines, '\n') + "x");
    try {
        readCommandFile(name);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.text().contains("\"over.prv\". It has more than 1000000 lines."))
            << error.text().toStdString();
    }
}

TEST(ReadCommandFile, AFileThatCannotBeReadNamesItselfAndTheReason) {
    test::WorkFolder folder;
    const QString name = folder.unreadable("broken.prv");
    try {
        readCommandFile(name);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.text().contains("\"broken.prv\"")) << error.text().toStdString();
        EXPECT_TRUE(error.text().contains("error", Qt::CaseInsensitive)) << error.text().toStdString();
    }
}

} // namespace
} // namespace veridi
