#include "SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace veridi {

QString chooseSettingsFile(const QString& besideExe, bool writable, const QString& userFile) {
    if (writable)
        return besideExe;
    const QFileInfo defaults(besideExe);
    if (!QFileInfo::exists(userFile) && defaults.isFile() && defaults.isReadable()) {
        QDir().mkpath(QFileInfo(userFile).absolutePath());
        // The copy keeps the administrator's read-only mode; the user's file must be writable.
        if (QFile::copy(besideExe, userFile))
            QFile::setPermissions(userFile,
                                  QFile::permissions(userFile) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return userFile;
}

QString settingsFilePath() {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString name = exe.completeBaseName() + QStringLiteral(".ini");
    const QFileInfo besideExe(exe.absoluteDir(), name);
    const bool writable =
        QFileInfo(exe.absolutePath()).isWritable() && (!besideExe.exists() || besideExe.isWritable());
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(configDir);
    return chooseSettingsFile(besideExe.absoluteFilePath(), writable, QDir(configDir).absoluteFilePath(name));
}

} // namespace veridi
