#pragma once

#include <QColor>
#include <QString>

namespace veridi {

// Page coordinates, sizes and ratios are extended-precision reals.
using Real = long double;

// Nearest integer, halves away from zero. Values beyond the 32-bit range (or not numbers at
// all) end at the nearest representable device coordinate instead of overflowing.
qint32 RoundOff(Real v);
// Truncation towards zero, saturating in the same way.
qint32 truncateReal(Real v);

// A font as the drawing targets keep it: face, size in points, the four style attributes and
// the colour text is drawn in. It is realised in pixels of a target only when text is drawn or
// measured there.
struct DrawFont {
    QString name;
    qint32 size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;

    bool operator==(const DrawFont&) const = default;
};

// The current font, pen and brush of one drawing target. They live between drawings: the
// composer measures with the font a target was left with.
struct CanvasState {
    DrawFont font;
    qint32 penWidth = 1; // device pixels
    QColor penColor = Qt::black;
    Qt::PenStyle penStyle = Qt::SolidLine;
    QColor brushColor = Qt::white;
    bool brushSolid = true; // a clear brush draws text transparently
};

} // namespace veridi
