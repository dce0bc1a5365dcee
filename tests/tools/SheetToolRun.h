#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veridi::test {

// One run of veridi-sheet as a user starts it: in the current folder, with the given standard
// input.
struct ToolRun {
    int status = -1; // -1: it did not end in time; -2: it crashed
    QByteArray out;
    QString err;

    // The standard output as lines of UTF-8 text.
    QStringList lines() const;
};

ToolRun runSheet(const QStringList& args, const QByteArray& input = {});

// A command list line as its fields, quotes removed.
QStringList fieldsOf(const QString& line);

// Whether a command line has these fields: "*" matches any field, a number matches the same
// number however it is written, any other text matches itself.
bool matchesFields(const QStringList& fields, const QStringList& pattern);

// The real value of field i of a command line (0 when it is not a number).
double realField(const QStringList& fields, int i);

} // namespace veridi::test
