#pragma once

#include <QByteArray>
#include <QString>

namespace veridi {

// What reading a small file whole found.
enum class FileKind {
    Missing,    // nothing at the path
    Regular,    // a regular file within the size cap; its bytes were read
    NotRegular, // a folder, FIFO, device or socket: never opened, so it cannot block or run on
    TooLarge,   // a regular file beyond the size cap: not read
    Unreadable, // it exists but cannot be read
};

struct FileRead {
    FileKind kind = FileKind::Missing;
    QByteArray bytes;
};

// Reads the regular file at path (a link is followed) into memory if it has at most maxBytes
// bytes. Anything else is not read; its kind says why.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// The kind of what lies at path, as readRegularFile would find it, without reading it.
FileKind fileKind(const QString& path, qint64 maxBytes);

} // namespace veridi
