#include "IniFile.h"
#include "SettingsFile.h"
#include "TextCodec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sys/stat.h>

using namespace veridi;
using veridi::test::SettingsFile;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    QString path = settingsFile.path();
};

} // namespace

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheFallback) {
    IniFile ini(path);
    EXPECT_EQ(ini.readString(u"Page"_qs, u"Header"_qs, u"none"_qs), u"none"_qs);
    EXPECT_EQ(ini.readInteger(u"Exam"_qs, u"Row"_qs, 10), 10);
    settingsFile.writeRaw("[Exam]\r\nCol=3\r\n");
    EXPECT_EQ(ini.readInteger(u"Exam"_qs, u"Row"_qs, 10), 10);
    EXPECT_EQ(ini.readInteger(u"Other"_qs, u"Col"_qs, 1), 1);
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCase) {
    settingsFile.writeRaw(encodeCp932(QStringLiteral("[page]\r\npagetitle=たし算\r\n")));
    IniFile ini(path);
    EXPECT_EQ(ini.readString(u"Page"_qs, u"PageTitle"_qs, QString()), QStringLiteral("たし算"));
    ASSERT_TRUE(ini.writeString(u"PAGE"_qs, u"PAGETITLE"_qs, QStringLiteral("ひき算")));
    // Replaced in place, not added a second time.
    EXPECT_EQ(settingsFile.readRaw(), encodeCp932(QStringLiteral("[page]\r\nPAGETITLE=ひき算\r\n")));
}

TEST_F(IniFileTest, WritingKeepsOtherLinesAndAppendsNewSections) {
    settingsFile.writeRaw("; kept\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(u"a"_qs, u"z"_qs, 5));
    ASSERT_TRUE(ini.writeInteger(u"C"_qs, u"w"_qs, 7));
    EXPECT_EQ(settingsFile.readRaw(),
              QByteArray("; kept\r\n[A]\r\nx=1\r\nz=5\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=7\r\n"));
}

TEST_F(IniFileTest, IntegersAndBooleansAsTheUserMayWriteThem) {
    settingsFile.writeRaw(
        "[S]\r\nhex1=$1F\r\nhex2=0x14\r\nbad=x\r\nblank= 12 \r\nbool2=2\r\nboolx=yes\r\nneg=-3\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(u"S"_qs, u"hex1"_qs, 0), 31);
    EXPECT_EQ(ini.readInteger(u"S"_qs, u"hex2"_qs, 0), 20);
    EXPECT_EQ(ini.readInteger(u"S"_qs, u"bad"_qs, 10), 10);
    EXPECT_EQ(ini.readInteger(u"S"_qs, u"blank"_qs, 0), 12);
    EXPECT_EQ(ini.readInteger(u"S"_qs, u"neg"_qs, 0), -3);
    EXPECT_TRUE(ini.readBool(u"S"_qs, u"bool2"_qs, false));
    EXPECT_FALSE(ini.readBool(u"S"_qs, u"boolx"_qs, false));
    EXPECT_TRUE(ini.readBool(u"S"_qs, u"boolx"_qs, true));
}

TEST_F(IniFileTest, RealsAreReadAndWrittenIndependentlyOfTheLocale) {
    struct Row {
        const char* stored;
        double expected;
    };
    const Row rows[] = {{"12.5", 12.5}, {"10", 10}, {"abc", 0},      {"-3.25e1", -32.5},
                        {" +.5", 0.5},  {"7mm", 7}, {"12.5x", 12.5}, {"1e", 1},
                        {"", 0},        {"1,5", 1}};
    for (const Row& row : rows) {
        settingsFile.writeRaw(QByteArray("[W]\r\nTop=") + row.stored + "\r\n");
        EXPECT_DOUBLE_EQ(IniFile(path).readReal(u"W"_qs, u"Top"_qs, 99), row.expected) << row.stored;
    }
    EXPECT_EQ(IniFile::formatReal(10), u"10"_qs);
    EXPECT_EQ(IniFile::formatReal(12.5), u"12.5"_qs);
    EXPECT_EQ(IniFile::formatReal(0.1 + 0.2), u"0.3"_qs);
    EXPECT_EQ(IniFile::formatReal(-0.25), u"-0.25"_qs);
}

// 15 digits round the largest doubles up past the largest one; they read back as that, never as 0.
TEST_F(IniFileTest, RealsNearTheLargestDoubleReadBackAsStored) {
    constexpr double kMax = std::numeric_limits<double>::max();
    struct Row {
        double written;
        double expected;
    };
    const Row rows[] = {{kMax, kMax},
                        {-kMax, -kMax},
                        {std::nextafter(kMax, 0.0), kMax},
                        {1.7976931348623e308, 1.7976931348623e308},
                        {std::numeric_limits<double>::denorm_min(), 4.94065645841247e-324},
                        {std::numeric_limits<double>::lowest(), -kMax}};
    for (const Row& row : rows) {
        IniFile ini(path);
        ASSERT_TRUE(ini.writeReal(u"W"_qs, u"Top"_qs, row.written));
        EXPECT_EQ(IniFile(path).readReal(u"W"_qs, u"Top"_qs, 99), row.expected) << row.written;
    }
    struct Stored {
        const char* text;
        double expected;
    };
    const Stored stored[] = {{"1e999", kMax}, {"-1e999", -kMax}, {"1e-999", 0}};
    for (const Stored& row : stored)
        EXPECT_EQ(IniFile::parseReal(QString::fromLatin1(row.text)), row.expected) << row.text;
}

TEST_F(IniFileTest, TextsRoundTripIncludingEdgeBlanksAndQuotes) {
    IniFile ini(path);
    const QString texts[] = {QStringLiteral("　　月　　日"),
                             QStringLiteral(" lead"),
                             QStringLiteral("trail "),
                             QStringLiteral("\"quoted\""),
                             QString(),
                             QStringLiteral("a=b")};
    for (const QString& text : texts) {
        ASSERT_TRUE(ini.writeString(u"P"_qs, u"T"_qs, text));
        EXPECT_EQ(ini.readString(u"P"_qs, u"T"_qs, u"fallback"_qs), text);
    }
    // A full-width blank is part of the text, so it needs no quotes.
    ASSERT_TRUE(ini.writeString(u"P"_qs, u"T"_qs, QStringLiteral("　月")));
    EXPECT_TRUE(settingsFile.readRaw().contains(encodeCp932(QStringLiteral("T=　月\r\n"))));
    // A line break cannot be stored on one line; it becomes a blank instead of breaking the file.
    ASSERT_TRUE(ini.writeString(u"P"_qs, u"T"_qs, QStringLiteral("a\nb")));
    EXPECT_EQ(ini.readString(u"P"_qs, u"T"_qs, QString()), u"a b"_qs);
}

TEST_F(IniFileTest, TextsCodePage932CannotHoldAreKeptInUtf8) {
    IniFile ini(path);
    ASSERT_TRUE(ini.writeString(u"Page"_qs, u"Header"_qs, QStringLiteral("かず")));
    ASSERT_TRUE(ini.writeString(u"Page"_qs, u"PageTitle"_qs, QStringLiteral("テスト€한😀")));
    EXPECT_TRUE(settingsFile.readRaw().startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(ini.readString(u"Page"_qs, u"PageTitle"_qs, QString()), QStringLiteral("テスト€한😀"));
    EXPECT_EQ(ini.readString(u"Page"_qs, u"Header"_qs, QString()), QStringLiteral("かず"));
    // Once every text fits again, the file is code page 932 again.
    ASSERT_TRUE(ini.writeString(u"Page"_qs, u"PageTitle"_qs, QStringLiteral("テスト")));
    EXPECT_EQ(settingsFile.readRaw(),
              encodeCp932(QStringLiteral("[Page]\r\nHeader=かず\r\nPageTitle=テスト\r\n")));
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFileIsNotWrittenOver) {
    ASSERT_TRUE(QDir().mkdir(path));
    IniFile ini(path);
    EXPECT_FALSE(ini.writeInteger(u"A"_qs, u"x"_qs, 2));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(ini.readInteger(u"A"_qs, u"x"_qs, 7), 7);
}

TEST_F(IniFileTest, APathInAMissingFolderCannotBeWritten) {
    IniFile ini(settingsFile.inFolder(QStringLiteral("no/such/folder/v.ini")));
    EXPECT_FALSE(ini.writeInteger(u"A"_qs, u"x"_qs, 2));
}

TEST_F(IniFileTest, WhatIsNotASmallRegularFileIsNeitherReadNorWrittenOver) {
    const QString fifo = settingsFile.inFolder(QStringLiteral("fifo.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = settingsFile.inFolder(QStringLiteral("folder.ini"));
    QDir().mkdir(folder);
    QByteArray large = "[Exam]\r\nRow=5\r\n";
    large.append(IniFile::kMaxBytes, ';');
    settingsFile.writeRaw(large);

    for (const QString& file : {fifo, folder, path}) {
        IniFile ini(file);
        EXPECT_EQ(ini.readInteger(u"Exam"_qs, u"Row"_qs, 10), 10) << file.toStdString();
        EXPECT_FALSE(ini.writeInteger(u"Exam"_qs, u"Row"_qs, 3)) << file.toStdString();
    }
    EXPECT_TRUE(QFileInfo(fifo).isSymLink() || !QFileInfo(fifo).isFile());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(settingsFile.readRaw(), large);
}

TEST_F(IniFileTest, ASaveReadsTheFileOnceAndReplacesItOnce) {
    settingsFile.write(QStringLiteral("[Other]\r\nKept=1\r\n"));
    IniFile ini(path);
    EXPECT_EQ(ini.readInteger(u"Other"_qs, u"Kept"_qs, 0), 1);
    // The reads are answered from the first reading; a save starts from the file as it is now.
    settingsFile.write(QStringLiteral("[Other]\r\nKept=2\r\n"));
    EXPECT_EQ(ini.readInteger(u"Other"_qs, u"Kept"_qs, 0), 1);

    const QByteArray before = settingsFile.readRaw();
    ini.beginSave();
    EXPECT_TRUE(ini.writeInteger(u"Exam"_qs, u"Row"_qs, 5));
    ini.beginSave(); // a nested save, such as a page string's within the preview's
    EXPECT_TRUE(ini.writeString(u"Page"_qs, u"Name"_qs, u"なまえ"_qs));
    EXPECT_TRUE(ini.endSave());
    EXPECT_EQ(settingsFile.readRaw(), before) << "nothing is written before the outermost save ends";
    EXPECT_TRUE(ini.endSave());
    EXPECT_EQ(settingsFile.read(), u"[Other]\r\nKept=2\r\n[Exam]\r\nRow=5\r\n[Page]\r\nName=なまえ\r\n"_qs);
    EXPECT_EQ(ini.readInteger(u"Other"_qs, u"Kept"_qs, 0), 2) << "the reads see what was saved";
}

TEST_F(IniFileTest, OnlyStaleTemporaryCopiesOfTheFileAreRemoved) {
    struct CopyRow {
        const char* name;
        int ageSeconds;
        bool removed;
    };
    const CopyRow rows[] = {
        {"veridi.ini.Ab12Cd", 120, true}, {"veridi.ini.Xy34Zw", 5, false},
        {"veridi.ini.bak", 120, false},   {"veridi.ini.Ab12Cd7", 120, false},
        {"other.ini.Ab12Cd", 120, false}, {"veridi.ini.Ab-2Cd", 120, false},
    };
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const CopyRow& row : rows) {
        QFile file(settingsFile.inFolder(QString::fromLatin1(row.name)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.write("[A]\r\n");
        file.flush();
        ASSERT_TRUE(file.setFileTime(now.addSecs(-row.ageSeconds), QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(IniFile::removeStaleCopies(path, std::chrono::seconds(60)), 1);
    for (const CopyRow& row : rows)
        EXPECT_EQ(QFile::exists(settingsFile.inFolder(QString::fromLatin1(row.name))), !row.removed)
            << row.name;
}
