#pragma once

#include <QString>

#include <stdexcept>

namespace veridi {

// A file that exists but cannot be opened, read or written. Its text names the file and gives
// the system's reason; the refresh or export that met it ends and shows the text.
class FileError : public std::runtime_error {
public:
    explicit FileError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

    const QString& text() const { return text_; }

    static FileError cannotOpen(const QString& fileName, const QString& reason);
    static FileError cannotRead(const QString& fileName, const QString& reason);
    static FileError cannotWrite(const QString& fileName, const QString& reason);

private:
    QString text_;
};

// True when the name is an existing file (not a folder); a relative name is taken from the
// current directory.
bool fileExists(const QString& fileName);

// The whole content of an existing file; throws FileError when it cannot be opened or read.
QByteArray readWholeFile(const QString& fileName);

} // namespace veridi
