#include "SettingsPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace veridi {

QString settingsFilePath() {
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    const QString name = exe.completeBaseName() + QStringLiteral(".ini");
    const QFileInfo besideExe(exe.absoluteDir(), name);
    const QFileInfo folder(exe.absolutePath());
    if (folder.isWritable() && (!besideExe.exists() || besideExe.isWritable()))
        return besideExe.absoluteFilePath();

    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir().mkpath(configDir);
    return QDir(configDir).absoluteFilePath(name);
}

} // namespace veridi
