#include "FileError.h"

#include <QFile>
#include <QFileInfo>

namespace veridi {

FileError FileError::cannotOpen(const QString& fileName, const QString& reason) {
    return FileError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason));
}

FileError FileError::cannotRead(const QString& fileName, const QString& reason) {
    return FileError(QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, reason));
}

FileError FileError::cannotWrite(const QString& fileName, const QString& reason) {
    return FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(fileName, reason));
}

bool fileExists(const QString& fileName) {
    return !fileName.isEmpty() && QFileInfo(fileName).isFile();
}

QByteArray readWholeFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::cannotOpen(fileName, file.errorString());
    // Read in chunks until the end: special files report a size of 0 and a failing read
    // must not pass for an empty file.
    QByteArray content;
    char chunk[65536];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            throw FileError::cannotRead(fileName, file.errorString());
        if (got == 0)
            break;
        content.append(chunk, got);
    }
    return content;
}

} // namespace veridi
