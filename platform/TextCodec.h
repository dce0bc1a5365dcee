#pragma once

#include <QByteArray>
#include <QString>

namespace veridi {

// Code page 932 (Shift_JIS with the Windows extensions) is the encoding of the settings file
// and of command files written by the program.
QString decodeCp932(const QByteArray& bytes);

// Characters that code page 932 cannot hold become "?"; ok (when given) tells whether all fitted.
QByteArray encodeCp932(const QString& text, bool* ok = nullptr);

// A command file's bytes: a UTF-8 or UTF-16 byte-order mark selects that encoding, otherwise
// the bytes are code page 932.
QString decodeCommandFile(const QByteArray& bytes);

} // namespace veridi
