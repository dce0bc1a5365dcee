#pragma once

#include "DrawTypes.h"

#include <QFont>
#include <QPoint>

#include <span>

class QPainter;

namespace veridi {

// The character height, in pixels of a target of dpi dots per inch, of a font of size points:
// negative by the convention of the pages' platform for a character (not cell) height.
qint32 FontHeightOnTarget(qint32 size, qint32 dpi);

// A font realised for a target: its character height fixed in that target's pixels, so the
// same point size covers the same part of the page on screen and on paper.
QFont realiseFont(const DrawFont& font, qint32 dpi);

// A realised font of an explicit pixel height (negative: character height), as a rotated
// text's font is described.
QFont fontOfHeight(const QString& face, qint32 height, bool bold, bool italic, bool underline,
                   bool strikeOut);

// Width of a text, and the height of any one-line text (ascent plus descent), in a realised
// font, whole pixels.
qint32 textWidth(const QFont& font, const QString& text);
qint32 lineHeight(const QFont& font);

struct TextBackground {
    bool solid = false;
    QColor color;
};

// Draws text with its top-left corner at `at`, optionally rotated counter-clockwise about that
// corner, each character advancing by its entry in advances when they are given. A solid
// background fills the text's box first. Only the first 32767 characters of a longer text are drawn.
void paintText(QPainter& painter, const QFont& font, const QColor& color, const TextBackground& background,
               QPoint at, const QString& text, std::span<const qint32> advances = {}, qreal angleDegrees = 0);

} // namespace veridi
