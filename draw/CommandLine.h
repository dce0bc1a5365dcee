#pragma once

#include "DrawTypes.h"

#include <QColor>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace veridi {

// The text format shared by every producer of drawing commands and the interpreter: one command
// a line, comma-separated fields, quoted texts.

// Removes characters with codes 1 to 32 from both ends. A line is cut at its first NUL, which
// no field can hold.
QString trimLine(QStringView line);
// The same, as a view into the line.
QStringView trimmedView(QStringView line);

// The most fields a line may have. No command reads more than six; a line with more than this
// is a bad line of its list, and splitting stops there, so that a line of millions of commas
// costs no more than a short one.
constexpr qsizetype kMaxLineFields = 64;

// Splits a line into its fields: quoted fields (doubled quotes inside), unquoted fields ending
// at a comma or a character up to 32, a comma ending the line adding an empty field, and text
// behind a closing quote starting the next field. A blank line has no fields. A line with more
// than kMaxLineFields fields gives its first kMaxLineFields + 1 only.
QStringList splitFields(QStringView line);

// Receives the fields of a line one by one, in order. A field's text lasts only for the call.
class FieldSink {
public:
    virtual void field(QStringView text) = 0;

protected:
    ~FieldSink() = default;
};
// Splits as splitFields does, handing each field to the sink without copying it; gives the
// number of fields.
qsizetype splitFieldsInto(QStringView line, FieldSink& sink);

// A keyword or a value word as it is compared: trimmed and upper-cased.
QString wordOf(QStringView field);

// A real field: blanks, an optional sign, digits with an optional "." and an optional exponent,
// nothing behind. Nothing when the text is not such a number.
std::optional<Real> parseReal(QStringView field);
// The value a command reads: a field that is not a number counts as 0.
Real readReal(QStringView field);
// An integer field (decimal, or hexadecimal after "$" or "0x"); 0 when it is not one.
qint32 ReadInteger(QStringView field);

// R(v): the fixed 23-character scientific form, " 1.25000000000000E+0001".
QString formatReal(Real v);
// A pen width in the general format: "0.5", "2", "1E-6".
QString formatPenWidth(Real w);
// Q(s): s in double quotes, its double quotes doubled.
QString quote(QStringView s);

// The colour words of the language; every other word is black.
QColor NameToColor(QStringView word);
// The one word written for a colour; colours outside the table are written "BLACK".
QString ColorToName(const QColor& c);

} // namespace veridi
