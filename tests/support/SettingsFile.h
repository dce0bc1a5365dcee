#pragma once

#include "TextCodec.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veridi::test {

// A settings file named veridi.ini in a fresh folder of its own, written and read back as the
// program stores it (Shift_JIS) or byte for byte. Nothing exists until something is written.
class SettingsFile {
public:
    QString path() const { return inFolder(QStringLiteral("veridi.ini")); }
    // Another name in the same folder.
    QString inFolder(const QString& name) const { return dir_.filePath(name); }

    void writeRaw(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path().toStdString();
        file.write(bytes);
    }
    void write(const QString& text) const { writeRaw(encodeCp932(text)); }
    // Nothing when the file does not exist.
    QByteArray readRaw() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString read() const { return decodeCp932(readRaw()); }

private:
    QTemporaryDir dir_;
};

} // namespace veridi::test
