#include "ListFile.h"
#include "FileError.h"
#include "TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace veridi {
namespace {

struct ListRow {
    const char* name;
    std::map<QString, QByteArray> files;
    QStringList expected;
};

// Every row reads the list source file "src.prv" from a folder holding the row's files.
TEST(LoadListFile, FirstLineIndirectionAndIncludeExpansion) {
    const ListRow rows[] = {
        {"missing list source file gives an empty list", {{"other.prv", "Line,1,1,2,2"}}, {}},
        {"a command file is its own list, first line included",
         {{"src.prv", "Line,1,1,2,2\r\nColor,RED"}},
         {"Line,1,1,2,2", "Color,RED"}},
        {"a first line naming an existing file takes that file's lines",
         {{"src.prv", "real.prv\r\nLine,9,9,9,9"}, {"real.prv", "Line,1,1,2,2\r\nColor,RED"}},
         {"Line,1,1,2,2", "Color,RED"}},
        {"the named file's INCLUDE lines are expanded too",
         {{"src.prv", "real.prv"}, {"real.prv", "INCLUDE,part.prv\nLine,2,2,3,3"}, {"part.prv", "Color,RED"}},
         {"Color,RED", "Line,2,2,3,3"}},
        {"a first line behind a utf-8 mark names the file",
         {{"src.prv", "\xEF\xBB\xBF\xE8\xA1\xA8.prv\r\nLine,9,9,9,9"}, {"表.prv", "Color,RED"}},
         {"Color,RED"}},
        {"a first line naming no file is kept as a line",
         {{"src.prv", "nothing.prv\nLine,1,1,2,2"}},
         {"nothing.prv", "Line,1,1,2,2"}},
        {"blanks around the named file are not part of its name",
         {{"src.prv", "  real.prv \t\r\nLine,9,9,9,9"}, {"real.prv", "Color,RED"}},
         {"Color,RED"}},
        {"blank and control-character lines are dropped, others kept unchanged",
         {{"src.prv", "  Line,1,1,2,2  \r\n\r\n   \r\n\t\x01\r\nColor,RED"}},
         {"  Line,1,1,2,2  ", "Color,RED"}},
        {"include in lower case and with blanks is expanded",
         {{"src.prv", " include , part.prv \nColor,RED"}, {"part.prv", "Line,1,1,2,2"}},
         {"Line,1,1,2,2", "Color,RED"}},
        {"an included file's lines are taken unchanged",
         {{"src.prv", "INCLUDE,part.prv"}, {"part.prv", "  TextOut,1,1,\"a, b\"  "}},
         {"  TextOut,1,1,\"a, b\"  "}},
        {"a quoted file name is included",
         {{"src.prv", "INCLUDE,\"my part.prv\""}, {"my part.prv", "Color,RED"}},
         {"Color,RED"}},
        {"INCLUDE with three fields or alone stays",
         {{"src.prv", "INCLUDE,part.prv,x\nINCLUDE\nINCLUDE,part.prv,"}, {"part.prv", "Color,RED"}},
         {"INCLUDE,part.prv,x", "INCLUDE", "INCLUDE,part.prv,"}},
        {"INCLUDE of a missing file disappears silently",
         {{"src.prv", "Line,1,1,2,2\nINCLUDE,gone.prv\nColor,RED"}},
         {"Line,1,1,2,2", "Color,RED"}},
        {"INCLUDE of a folder is like a missing file", {{"src.prv", "INCLUDE,.\nColor,RED"}}, {"Color,RED"}},
        {"a chain of three files is fully expanded and loses every blank line",
         {{"src.prv", "INCLUDE,a.prv\n\nLine,0,0,1,1"},
          {"a.prv", "Color,RED\r\n\r\nINCLUDE,b.prv\r\n"},
          {"b.prv", "\n  \nColor,BLUE\n\n"}},
         {"Color,RED", "Color,BLUE", "Line,0,0,1,1"}},
        {"a file included twice, not in a cycle, is expanded twice",
         {{"src.prv", "INCLUDE,a.prv\nINCLUDE,a.prv"},
          {"a.prv", "INCLUDE,b.prv\nColor,RED"},
          {"b.prv", "Color,BLUE"}},
         {"Color,BLUE", "Color,RED", "Color,BLUE", "Color,RED"}},
        {"a file including itself drops that INCLUDE",
         {{"src.prv", "Color,RED\nINCLUDE,src.prv\nColor,BLUE"}},
         {"Color,RED", "Color,BLUE"}},
        {"two files including each other are each expanded once",
         {{"src.prv", "INCLUDE,a.prv\nLine,0,0,1,1"},
          {"a.prv", "Color,RED\nINCLUDE,b.prv"},
          {"b.prv", "Color,BLUE\nINCLUDE,a.prv"}},
         {"Color,RED", "Color,BLUE", "Line,0,0,1,1"}},
        {"a cycle back to the list source file through others is stopped",
         {{"src.prv", "Color,RED\nINCLUDE,a.prv"},
          {"a.prv", "INCLUDE,b.prv"},
          {"b.prv", "INCLUDE,./src.prv\nColor,BLUE"}},
         {"Color,RED", "Color,BLUE"}},
        {"the named command file including the list source file",
         {{"src.prv", "real.prv"}, {"real.prv", "INCLUDE,src.prv\nColor,RED"}},
         {"real.prv", "Color,RED"}},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        folder.writeAll(row.files);
        QStringList list = {"left over"};
        loadListFile("src.prv", list);
        EXPECT_EQ(list, row.expected) << row.name;
    }
}

TEST(LoadListFile, UnreadableFileKeepsTheLastCompletedPass) {
    struct Row {
        const char* name;
        std::map<QString, QByteArray> files;
        const char* unreadable;
        QStringList kept;
    };
    const Row rows[] = {
        {"list source file", {}, "src.prv", {}},
        {"file named by the first line", {{"src.prv", "bad.prv"}}, "bad.prv", {}},
        {"file included in the first pass", {{"src.prv", "Color,RED\n\nINCLUDE,bad.prv"}}, "bad.prv", {}},
        {"file included in the second pass",
         {{"src.prv", "Color,RED\n\nINCLUDE,a.prv"}, {"a.prv", "Color,BLUE\nINCLUDE,bad.prv"}},
         "bad.prv",
         {"Color,RED", "Color,BLUE", "INCLUDE,bad.prv"}},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        folder.writeAll(row.files);
        folder.unreadable(row.unreadable);
        QStringList list = {"left over"};
        try {
            loadListFile("src.prv", list);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const FileError& error) {
            EXPECT_TRUE(error.text().contains(row.unreadable)) << row.name;
        }
        EXPECT_EQ(list, row.kept) << row.name;
    }
}

TEST(LoadListFile, EndlessFileIsAFileErrorNamingItNotAnEndlessRead) {
    struct Row {
        const char* name;
        std::map<QString, QByteArray> files;
        QStringList kept;
    };
    const Row rows[] = {
        {"list source file", {}, {}},
        {"file named by the first line", {{"src.prv", "endless.prv"}}, {}},
        {"file included in the first pass", {{"src.prv", "Color,RED\nINCLUDE,endless.prv"}}, {}},
        {"file included in the second pass",
         {{"src.prv", "Color,RED\nINCLUDE,a.prv"}, {"a.prv", "INCLUDE,endless.prv"}},
         {"Color,RED", "INCLUDE,endless.prv"}},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        folder.writeAll(row.files);
        folder.endless(row.files.empty() ? "src.prv" : "endless.prv");
        QStringList list = {"left over"};
        try {
            loadListFile("src.prv", list);
            ADD_FAILURE() << row.name << ": no error";
        } catch (const FileError& error) {
            EXPECT_TRUE(error.text().contains(row.files.empty() ? "src.prv" : "endless.prv")) << row.name;
        }
        EXPECT_EQ(list, row.kept) << row.name;
    }
}

TEST(LoadListFile, ExpansionBeyondTheLineLimitIsAnErrorNotAnEndlessGrowth) {
    struct Row {
        const char* name;
        std::map<QString, QByteArray> files;
        bool fits;
    };
    // Each file includes the next one ten times: 10, 100, 1000 lines after three passes.
    const QByteArray tenTimes = QByteArray("INCLUDE,b.prv\n").repeated(10);
    const Row rows[] = {
        {"exactly at the limit",
         {{"src.prv", tenTimes},
          {"b.prv", QByteArray("INCLUDE,c.prv\n").repeated(10)},
          {"c.prv", "Color,RED"}},
         true},
        {"one include too many",
         {{"src.prv", tenTimes},
          {"b.prv", QByteArray("INCLUDE,c.prv\n").repeated(10)},
          {"c.prv", "Color,RED\nColor,BLUE"}},
         false},
        {"plain lines around the includes count too",
         {{"src.prv", tenTimes + "Line,0,0,1,1"},
          {"b.prv", QByteArray("INCLUDE,c.prv\n").repeated(10)},
          {"c.prv", "Color,RED"}},
         false},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        folder.writeAll(row.files);
        QStringList list;
        if (row.fits) {
            EXPECT_NO_THROW(loadListFile("src.prv", list, 100)) << row.name;
            EXPECT_EQ(list, QStringList(100, "Color,RED")) << row.name;
        } else {
            EXPECT_THROW(loadListFile("src.prv", list, 100), FileError) << row.name;
            EXPECT_LE(list.size(), 100) << row.name;
        }
    }
}

TEST(LoadListFile, AFileIncludedManyTimesIsReadOnce) {
    // The process's own counters of bytes read change with every reading of them: a list that
    // read the file twice would hold two different copies of it.
    test::WorkFolder folder;
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/io"), folder.path() + "/io.prv"));
    folder.write("src.prv", "INCLUDE,io.prv\nINCLUDE,part.prv\nINCLUDE,io.prv");
    folder.write("part.prv", "INCLUDE,io.prv");
    QStringList list;
    CommandFiles files;
    loadListFile("src.prv", list, files);
    ASSERT_EQ(list.size() % 3, 0);
    ASSERT_GE(list.size(), 3);
    const qsizetype copy = list.size() / 3;
    EXPECT_EQ(list.mid(0, copy), list.mid(copy, copy));
    EXPECT_EQ(list.mid(0, copy), list.mid(2 * copy, copy));
    EXPECT_EQ(files.filesRead(), 3);
}

TEST(LoadListFile, IncludesMultiplyingToAHundredThousandLinesReadEachFileOnce) {
    test::WorkFolder folder;
    folder.writeAll({{"src.prv", QByteArray("INCLUDE,b.prv\n").repeated(400)},
                     {"b.prv", QByteArray("INCLUDE,c.prv\n").repeated(250)},
                     {"c.prv", "Color,RED"}});
    QStringList list;
    CommandFiles files;
    loadListFile("src.prv", list, files);
    EXPECT_EQ(list, QStringList(100'000, "Color,RED"));
    EXPECT_EQ(files.filesRead(), 3);
}

TEST(LoadListFile, IncludesMultiplyingBeyondAHundredThousandLinesAreAnError) {
    // 1000 includes of a file with 999 includes of a third: 999,000 lines.
    test::WorkFolder folder;
    folder.writeAll({{"src.prv", QByteArray("INCLUDE,b.prv\n").repeated(1000)},
                     {"b.prv", QByteArray("INCLUDE,c.prv\n").repeated(999)},
                     {"c.prv", "Color,RED"}});
    QStringList list;
    CommandFiles files;
    try {
        loadListFile("src.prv", list, files);
        ADD_FAILURE() << "no error for " << list.size() << " lines";
    } catch (const FileError& error) {
        EXPECT_EQ(error.text(),
                  "The list of \"src.prv\" grows beyond 100000 lines through its INCLUDE lines.");
    }
    EXPECT_EQ(files.filesRead(), 2) << "the third file is not reached";
    EXPECT_TRUE(list.isEmpty()) << "the error came in the first pass";
}

TEST(LoadListFile, ALongFileIsNotTooLongForItsLinesAlone) {
    struct Row {
        const char* name;
        QByteArray src;
        bool fits;
    };
    // The line limit is 3; long.prv has 5 lines.
    const Row rows[] = {
        {"the list source file itself", "Color,RED\nColor,RED\nColor,RED\nColor,RED\nColor,RED", true},
        {"a first line naming the long file", "long.prv", true},
        {"one include of the long file", "INCLUDE,long.prv", true},
        {"the long file and a line more", "INCLUDE,long.prv\nColor,RED", false},
        {"two includes of the long file", "INCLUDE,long.prv\nINCLUDE,long.prv", false},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        folder.writeAll({{"src.prv", row.src}, {"long.prv", QByteArray("Color,RED\n").repeated(5)}});
        QStringList list;
        if (row.fits) {
            EXPECT_NO_THROW(loadListFile("src.prv", list, 3)) << row.name;
            EXPECT_EQ(list, QStringList(5, "Color,RED")) << row.name;
        } else {
            EXPECT_THROW(loadListFile("src.prv", list, 3), FileError) << row.name;
        }
    }
    // With the program's own limit: a plain file of 150,000 lines.
    test::WorkFolder folder;
    folder.write("src.prv", QByteArray("Color,RED\n").repeated(150'000));
    QStringList list;
    EXPECT_NO_THROW(loadListFile("src.prv", list));
    EXPECT_EQ(list.size(), 150'000);
}

TEST(LoadListFile, APlainFileBecomesTheListWithoutACopyOfItsLines) {
    // A long file would otherwise take its lines' memory twice.
    test::WorkFolder folder;
    folder.write("src.prv", QByteArray("Color,RED\n").repeated(1000));
    QStringList list;
    CommandFiles files;
    loadListFile("src.prv", list, files);
    ASSERT_EQ(list.size(), 1000);
    EXPECT_EQ(list.constData(), files.lines("src.prv").constData());
}

} // namespace
} // namespace veridi
