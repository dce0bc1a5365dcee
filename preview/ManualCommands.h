#pragma once

#include "Choosers.h"

#include <QPoint>
#include <QStringList>

#include <optional>

namespace veridi {

// The lines the preview's editing operations append to the hand-typed list.

// One line per difference between the current editing font and the chosen one, in the order
// name, size, colour, styles; the current editing font then takes the chosen one.
QStringList fontCommands(ColoredFont& current, const ColoredFont& chosen);

// "PenWidth,n" for a typed integer above 0; nothing for any other text.
std::optional<QString> penWidthCommand(const QString& typed);

// A screen position on the page image in the drawing unit: printer dots (unit 0 and any unit no
// menu offers), whole inches (1) or whole millimetres (2), rounded to the nearest with halves away
// from zero.
QPoint screenToUnit(QPoint screen, qint32 unitType, qint32 printerResX, qint32 printerResY,
                    qint32 monitorRes);

// A text typed on the page at a position in the drawing unit, drawn with normal spacing.
QString textOutCommand(QPoint at, const QString& text);

} // namespace veridi
