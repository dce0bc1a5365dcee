#include "SettingsPath.h"

#include "IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace veridi {
namespace {

// A temporary copy this old cannot belong to a save still running.
constexpr std::chrono::seconds kStaleCopyAge{60};

bool refusedKind(FileKind kind) {
    return kind == FileKind::NotRegular || kind == FileKind::TooLarge;
}

} // namespace

bool usableSettingsFile(const QString& path) {
    const QFileInfo file(path);
    if (!QFileInfo(file.absolutePath()).isWritable())
        return false;
    switch (fileKind(path, IniFile::kMaxBytes)) {
    case FileKind::Missing:
        return true;
    case FileKind::Regular:
        return file.isWritable();
    default:
        return false;
    }
}

QString chooseSettingsFile(const QString& besideExe, bool usable, const QString& userFile) {
    if (usable)
        return besideExe;
    if (!QFileInfo::exists(userFile)) {
        const FileRead defaults = readRegularFile(besideExe, IniFile::kMaxBytes);
        QDir().mkpath(QFileInfo(userFile).absolutePath());
        QFile copy(userFile);
        // The user's file must be writable whatever the administrator's mode.
        if (defaults.kind == FileKind::Regular && copy.open(QIODevice::WriteOnly))
            copy.write(defaults.bytes);
    }
    return userFile;
}

SettingsLocation locateSettingsFile() {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString name = exe.completeBaseName() + QStringLiteral(".ini");
    const QString besideExe = QFileInfo(exe.absoluteDir(), name).absoluteFilePath();
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(configDir);
    const QString userFile = QDir(configDir).absoluteFilePath(name);

    SettingsLocation location;
    location.path = chooseSettingsFile(besideExe, usableSettingsFile(besideExe), userFile);
    for (const QString& candidate : {besideExe, location.path}) {
        const FileKind kind = fileKind(candidate, IniFile::kMaxBytes);
        if (location.refused.isEmpty() && refusedKind(kind)) {
            location.refused = candidate;
            location.refusedKind = kind;
        }
        IniFile::removeStaleCopies(candidate, kStaleCopyAge);
    }
    return location;
}

QString settingsFilePath() {
    return locateSettingsFile().path;
}

QString refusedSettingsMessage(const SettingsLocation& location) {
    if (location.refused.isEmpty())
        return QString();
    const QString why =
        location.refusedKind == FileKind::TooLarge
            ? QStringLiteral("%1 は大きすぎる (1 MiB を超える) ため、設定ファイルとして読みません。")
            : QStringLiteral("%1 は通常のファイルではないため、設定ファイルとして読みません。");
    const QString where = location.refused == location.path
                              ? QStringLiteral("既定の設定で始めます。設定は保存されません。")
                              : QStringLiteral("設定は %1 に読み書きします。").arg(location.path);
    return why.arg(location.refused) + u'\n' + where;
}

} // namespace veridi
