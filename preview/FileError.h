#pragma once

#include <QString>

#include <optional>
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
    static FileError tooLarge(const QString& fileName, qint64 maxBytes);
    static FileError tooManyLines(const QString& fileName, qsizetype maxLines);

private:
    QString text_;
};

// True when the name is an existing file (not a folder); a relative name is taken from the
// current directory.
bool fileExists(const QString& fileName);

// Command files (the list source file and the files it names) are read whole; a larger file
// is refused rather than read until memory runs out: a file such as /proc/self/pagemap is
// regular, readable and practically endless.
constexpr qint64 kMaxCommandFileBytes = qint64{16} * 1024 * 1024;
// Nor may it have more lines than this: a line costs about a hundred bytes of memory however short
// it is, and a list draws far fewer commands on a page than this anyway.
constexpr qsizetype kMaxCommandFileLines = 1'000'000;

// The whole content of an existing file of at most maxBytes bytes, or nothing when it holds
// more (whatever size it reports); throws FileError when it cannot be opened or read.
std::optional<QByteArray> readFileUpTo(const QString& fileName, qint64 maxBytes);

// The whole content of an existing file; throws FileError when it cannot be opened or read or
// holds more than maxBytes bytes.
QByteArray readWholeFile(const QString& fileName, qint64 maxBytes = kMaxCommandFileBytes);

} // namespace veridi
