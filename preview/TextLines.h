#pragma once

#include <QStringList>

namespace veridi {

// Splits a text into lines; CR LF, LF and CR each end a line. A line end at the very end of
// the text does not start another, empty line.
QStringList splitLines(const QString& text);
// How many lines splitLines gives.
qsizetype countLines(const QString& text);

// The lines of a command file: a UTF-8 or UTF-16 byte-order mark selects that encoding,
// otherwise the bytes are code page 932. Throws FileError when the file cannot be read or has
// more than kMaxCommandFileLines lines.
QStringList readCommandFile(const QString& fileName);

// The first line of a file, decoded as its lines are: by its byte-order mark when it has one,
// as code page 932 otherwise. Throws FileError when the file cannot be read.
QString readFirstLine(const QString& fileName);

} // namespace veridi
