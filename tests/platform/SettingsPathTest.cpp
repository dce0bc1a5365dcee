#include "SettingsPath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
