#include "FileError.h"
#include "TempFiles.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace veridi {
namespace {

TEST(ReadWholeFile, ReadsUpToItsMaximumAndRefusesMore) {
    test::WorkFolder folder;
    const QByteArray bytes = QByteArray("Line,1,1,2,2\n").repeated(10000); // 130,000 bytes, several chunks
    const QString name = folder.write("list.prv", bytes);
    EXPECT_EQ(readWholeFile(name, bytes.size()), bytes);
    EXPECT_EQ(readFileUpTo(name, bytes.size()), bytes);
    EXPECT_EQ(readFileUpTo(name, bytes.size() - 1), std::nullopt);
    try {
        readWholeFile(name, bytes.size() - 1);
        ADD_FAILURE() << "a file one byte over the maximum was read";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.text().contains("list.prv")) << error.text().toStdString();
    }
}

TEST(ReadWholeFile, EndlessFileReportingNoSizeIsRefusedAtTheMaximum) {
    test::WorkFolder folder;
    const QString name = folder.endless("endless.prv");
    ASSERT_TRUE(QFileInfo(name).isFile());
    ASSERT_EQ(QFileInfo(name).size(), 0);
    EXPECT_EQ(readFileUpTo(name, 1 << 20), std::nullopt);
    EXPECT_THROW(readWholeFile(name, 1 << 20), FileError);
    // The command files' own maximum, as the list source file and its includes are read.
    try {
        readWholeFile(name);
        ADD_FAILURE() << "an endless file was read";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.text().contains("endless.prv")) << error.text().toStdString();
    }
}

} // namespace
} // namespace veridi
