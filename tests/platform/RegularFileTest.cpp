#include "RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace veridi;

namespace {

struct KindRow {
    const char* name;
    QString path;
    FileKind kind;
    QByteArray bytes;
};

// Nothing but a regular file within the cap is opened: a FIFO would block the reader for ever
// (this test would then hang), a device would run on without end.
TEST(RegularFile, OnlyARegularFileWithinTheCapIsRead) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    QFile small(at("small.ini"));
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    small.write("[A]\r\nB=1\r\n"); // 10 bytes
    small.close();
    QFile large(at("large.ini"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write("[A]\r\nB=12\r\n"); // 11 bytes
    large.close();
    QDir(dir.path()).mkdir(QStringLiteral("folder.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo.ini")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), at("zero.ini")));
    ASSERT_TRUE(QFile::link(at("small.ini"), at("link.ini")));
    QFile locked(at("locked.ini"));
    ASSERT_TRUE(locked.open(QIODevice::WriteOnly));
    locked.close();
    QFile::setPermissions(at("locked.ini"), QFileDevice::Permissions());
    const bool runsAsRoot = ::geteuid() == 0; // root reads any file

    const KindRow rows[] = {
        {"missing", at("none.ini"), FileKind::Missing, {}},
        {"in a missing folder", at("no/such.ini"), FileKind::Missing, {}},
        {"empty path", QString(), FileKind::Missing, {}},
        {"within the cap", at("small.ini"), FileKind::Regular, "[A]\r\nB=1\r\n"},
        {"a link to a regular file", at("link.ini"), FileKind::Regular, "[A]\r\nB=1\r\n"},
        {"one byte beyond the cap", at("large.ini"), FileKind::TooLarge, {}},
        {"a folder", at("folder.ini"), FileKind::NotRegular, {}},
        {"a FIFO", at("fifo.ini"), FileKind::NotRegular, {}},
        {"a link to /dev/zero", at("zero.ini"), FileKind::NotRegular, {}},
        {"no read permission", at("locked.ini"), runsAsRoot ? FileKind::Regular : FileKind::Unreadable, {}},
    };
    for (const KindRow& row : rows) {
        const FileRead read = readRegularFile(row.path, 10);
        EXPECT_EQ(read.kind, row.kind) << row.name;
        EXPECT_EQ(read.bytes, row.bytes) << row.name;
        EXPECT_EQ(fileKind(row.path, 10), row.kind == FileKind::Unreadable ? FileKind::Regular : row.kind)
            << row.name;
    }
}

} // namespace
