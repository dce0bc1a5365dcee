#include "SettingsPath.h"

#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace veridi;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(SettingsPath, AnAdministratorsReadOnlyFileGivesTheUsersStartingValues) {
    QTemporaryDir root;
    const QString beside = root.filePath(u"bin/veridi.ini"_qs);
    const QString user = root.filePath(u"config/veridi.ini"_qs);
    QDir(root.path()).mkpath(u"bin"_qs);

    EXPECT_EQ(chooseSettingsFile(beside, true, user), beside) << "a portable copy keeps its file";
    EXPECT_EQ(chooseSettingsFile(beside, false, user), user);
    EXPECT_FALSE(QFile::exists(user)) << "no defaults: nothing is made up";

    writeFile(beside, "[Exam]\r\nRow=5\r\n");
    QFile::setPermissions(beside, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(chooseSettingsFile(beside, false, user), user);
    EXPECT_EQ(contentOf(user), "[Exam]\r\nRow=5\r\n");
    EXPECT_TRUE(QFile::permissions(user) & QFile::WriteOwner);

    // From then on the user's own file counts, whatever the administrator's says.
    writeFile(user, "[Exam]\r\nRow=3\r\n");
    EXPECT_EQ(chooseSettingsFile(beside, false, user), user);
    EXPECT_EQ(contentOf(user), "[Exam]\r\nRow=3\r\n");
}

TEST(SettingsPath, OnlyASmallRegularFileOrNoneInAWritableFolderCanHoldTheSettings) {
    QTemporaryDir root;
    const auto at = [&](const char* name) { return root.filePath(QString::fromLatin1(name)); };
    writeFile(at("small.ini"), "[Exam]\r\nRow=5\r\n");
    writeFile(at("large.ini"), QByteArray(IniFile::kMaxBytes + 1, ';'));
    QDir(root.path()).mkdir(u"folder.ini"_qs);
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("fifo.ini")).constData(), 0600), 0);
    struct Row {
        const char* name;
        bool usable;
    };
    const Row rows[] = {{"absent.ini", true},  {"small.ini", true}, {"large.ini", false},
                        {"folder.ini", false}, {"fifo.ini", false}, {"no/folder/absent.ini", false}};
    for (const Row& row : rows)
        EXPECT_EQ(usableSettingsFile(at(row.name)), row.usable) << row.name;

    // A file too large to read is no administrator's defaults either.
    EXPECT_EQ(chooseSettingsFile(at("large.ini"), false, at("user.ini")), at("user.ini"));
    EXPECT_FALSE(QFile::exists(at("user.ini")));
}

TEST(SettingsPath, ARefusedFileIsNamedWithWhereTheSettingsGoInstead) {
    const SettingsLocation none{u"/home/u/.config/veridi.ini"_qs, QString(), FileKind::Missing};
    EXPECT_EQ(refusedSettingsMessage(none), QString());
    const SettingsLocation folder{u"/home/u/.config/veridi.ini"_qs, u"/opt/veridi/veridi.ini"_qs,
                                  FileKind::NotRegular};
    EXPECT_EQ(refusedSettingsMessage(folder),
              u"/opt/veridi/veridi.ini は通常のファイルではないため、設定ファイルとして読みません。\n"
              u"設定は /home/u/.config/veridi.ini に読み書きします。"_qs);
    const SettingsLocation large{u"/home/u/.config/veridi.ini"_qs, u"/home/u/.config/veridi.ini"_qs,
                                 FileKind::TooLarge};
    EXPECT_EQ(
        refusedSettingsMessage(large),
        u"/home/u/.config/veridi.ini は大きすぎる (1 MiB を超える) ため、設定ファイルとして読みません。\n"
        u"既定の設定で始めます。設定は保存されません。"_qs);
}
