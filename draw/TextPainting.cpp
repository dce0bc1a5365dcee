#include "TextPainting.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstdlib>

namespace veridi {

qint32 FontHeightOnTarget(qint32 size, qint32 dpi) {
    return -RoundOff(Real(size) * dpi / 72);
}

QFont fontOfHeight(const QString& face, qint32 height, bool bold, bool italic, bool underline,
                   bool strikeOut) {
    QFont font(face);
    // A zero height asks for the face's default size, a little less than nothing at all.
    const qint64 pixels = height == 0 ? 12 : std::llabs(qint64(height));
    font.setPixelSize(int(std::min<qint64>(pixels, 0x7fff)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    // The pages' platform draws text without kerning; measured widths then add up.
    font.setKerning(false);
    return font;
}

QFont realiseFont(const DrawFont& font, qint32 dpi) {
    return fontOfHeight(font.name, FontHeightOnTarget(font.size, dpi), font.bold, font.italic, font.underline,
                        font.strikeOut);
}

qint32 textWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(text);
}

qint32 lineHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

namespace {

// The longest text drawn: one character for every pixel of the widest page image. A longer
// text (a command file may hold one of millions of characters) is drawn up to here only, so
// that its glyphs never take more memory than a page.
constexpr qsizetype kMaxDrawnCharacters = 32767;

} // namespace

void paintText(QPainter& painter, const QFont& font, const QColor& color, const TextBackground& background,
               QPoint at, const QString& fullText, std::span<const qint32> advances, qreal angleDegrees) {
    const QString text =
        fullText.size() > kMaxDrawnCharacters ? fullText.left(kMaxDrawnCharacters) : fullText;
    const QFontMetrics metrics(font);
    // Level text is placed by its origin alone; only turned text needs the painter turned, and
    // then put back.
    const bool turned = angleDegrees != 0;
    QPointF origin(at);
    if (turned) {
        painter.save();
        painter.translate(at);
        painter.rotate(-angleDegrees);
        origin = QPointF();
    }
    const bool pitched = !advances.empty();
    if (background.solid) {
        qint64 width = 0;
        if (pitched)
            for (qint32 a : advances)
                width += a;
        else
            width = metrics.horizontalAdvance(text);
        painter.fillRect(QRectF(origin.x(), origin.y(), qreal(width), metrics.ascent() + metrics.descent()),
                         background.color);
    }
    const QFont keptFont = painter.font();
    const QPen keptPen = painter.pen();
    painter.setFont(font);
    painter.setPen(color);
    if (!pitched) {
        painter.drawText(origin + QPointF(0, metrics.ascent()), text);
    } else {
        qint64 x = 0;
        for (qsizetype i = 0; i < text.size() && i < qsizetype(advances.size()); ++i) {
            // A surrogate pair is one character drawn at its first code unit's place.
            if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()) {
                x += advances[i];
                continue;
            }
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            painter.drawText(origin + QPointF(qreal(x), metrics.ascent()), text.mid(i, length));
            x += advances[i];
        }
    }
    if (turned) {
        painter.restore();
        return;
    }
    painter.setFont(keptFont);
    painter.setPen(keptPen);
}

} // namespace veridi
