#include "TextPainting.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace veridi {
namespace {

QImage blankPage() {
    QImage image(300, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Level text goes where a painter moved to its place would put it: the same pixels, with and
// without a background and with fixed advances, and the painter is left as it was found.
TEST(PaintText, LevelTextLandsAsIfThePainterHadMovedAndLeavesThePainterAsItWas) {
    const QFont font = fontOfHeight(QStringLiteral("IPAGothic"), -24, false, false, false, false);
    const qint32 advances[] = {20, 20, 20, 20};
    struct Row {
        bool solid;
        std::span<const qint32> advances;
    };
    const Row rows[] = {{false, {}}, {true, {}}, {true, advances}};
    const QPoint at(37, 41);
    for (const Row& row : rows) {
        QImage painted = blankPage();
        QPainter painter(&painted);
        painter.fillRect(painted.rect(), Qt::gray);
        const QPen pen(Qt::blue, 3, Qt::DotLine);
        const QFont other = fontOfHeight(QStringLiteral("IPAMincho"), -11, true, false, false, false);
        painter.setPen(pen);
        painter.setFont(other);
        painter.translate(5, 6);
        paintText(painter, font, Qt::red, {row.solid, Qt::yellow}, at, QStringLiteral("12+3"), row.advances);
        EXPECT_EQ(painter.pen(), pen);
        EXPECT_EQ(painter.font(), other);
        EXPECT_EQ(painter.transform(), QTransform::fromTranslate(5, 6));
        painter.end();

        QImage moved = blankPage();
        QPainter reference(&moved);
        reference.fillRect(moved.rect(), Qt::gray);
        reference.translate(5 + at.x(), 6 + at.y());
        const QFontMetrics metrics(font);
        qint64 width = 0;
        for (const qint32 a : row.advances)
            width += a;
        if (row.advances.empty())
            width = metrics.horizontalAdvance(QStringLiteral("12+3"));
        if (row.solid)
            reference.fillRect(QRectF(0, 0, qreal(width), metrics.ascent() + metrics.descent()), Qt::yellow);
        reference.setFont(font);
        reference.setPen(QColor(Qt::red));
        if (row.advances.empty()) {
            reference.drawText(QPointF(0, metrics.ascent()), QStringLiteral("12+3"));
        } else {
            for (int i = 0; i < 4; ++i)
                reference.drawText(QPointF(20.0 * i, metrics.ascent()), QStringLiteral("12+3").mid(i, 1));
        }
        reference.end();
        EXPECT_EQ(painted, moved) << "solid " << row.solid << ", pitched " << !row.advances.empty();
    }
}

} // namespace
} // namespace veridi
