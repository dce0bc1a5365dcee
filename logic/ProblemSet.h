#pragma once

#include <QString>
#include <QStringList>

namespace veridi {

// The problem set: three parallel lists of text lines (first operands, second operands,
// answers); line k of each belongs to problem k.
struct ProblemSet {
    QStringList first;
    QStringList second;
    QStringList answers;
};

// The lines of a list's text: a final line break does not start another line, and an empty
// text has none. CR LF, LF and CR all end a line.
QStringList linesOf(const QString& text);
// The text of a list: every line followed by a line break.
QString textOf(const QStringList& lines);

// The answer text of a division: "%d" of the quotient, or "%d あまり %d" with a remainder.
QString divisionAnswer(qint64 quotient, qint64 remainder);

} // namespace veridi
