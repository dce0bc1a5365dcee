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

FileError FileError::tooLarge(const QString& fileName, qint64 maxBytes) {
    return FileError(
        QStringLiteral("Cannot read file \"%1\". It holds more than %2 bytes.").arg(fileName).arg(maxBytes));
}

FileError FileError::tooManyLines(const QString& fileName, qsizetype maxLines) {
    return FileError(
        QStringLiteral("Cannot read file \"%1\". It has more than %2 lines.").arg(fileName).arg(maxLines));
}

bool fileExists(const QString& fileName) {
    return !fileName.isEmpty() && QFileInfo(fileName).isFile();
}

std::optional<QByteArray> readFileUpTo(const QString& fileName, qint64 maxBytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError::cannotOpen(fileName, file.errorString());
    // Read in chunks until the end: special files report a size of 0 and a failing read
    // must not pass for an empty file. Whole chunks are asked for, as some special files
    // refuse reads of odd sizes; a chunk that ends beyond the maximum tells a larger file.
    QByteArray content;
    char chunk[65536];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            throw FileError::cannotRead(fileName, file.errorString());
        if (got == 0)
            break;
        content.append(chunk, got);
        if (content.size() > maxBytes)
            return std::nullopt;
    }
    return content;
}

QByteArray readWholeFile(const QString& fileName, qint64 maxBytes) {
    std::optional<QByteArray> content = readFileUpTo(fileName, maxBytes);
    if (!content)
        throw FileError::tooLarge(fileName, maxBytes);
    return *std::move(content);
}

} // namespace veridi
