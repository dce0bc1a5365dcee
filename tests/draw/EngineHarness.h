#pragma once

#include "DrawEngine.h"
#include "FakePrompts.h"
#include "ImagePrinter.h"

#include <QImage>

#include <optional>
#include <utility>

namespace veridi::test {

// An engine drawing for a 600 dpi printer page of 4800 × 6000 dots (203.2 × 254 mm) and a
// 96 dpi screen, whose page image is then 768 × 960 pixels; the preview is shown.
struct EngineHarness {
    static constexpr int printerDpi = 600;
    static constexpr int screenDpi = 96;

    FakePrompts prompts;
    ImagePrinter printer{printerDpi, printerDpi, QSize(4800, 6000)};
    DrawEngine engine{prompts, &printer, screenDpi};

    explicit EngineHarness(int unit = 2) {
        engine.UnitType = unit;
        engine.Visible = true;
        engine.SetImageSize(int(engine.PageW / engine.RatioX), int(engine.PageH / engine.RatioY));
    }

    const QImage& drawScreen() {
        engine.DrawGraphics();
        return engine.Image1;
    }

    QImage drawPrinter() {
        const int kept = engine.nTgtCanvas;
        engine.nTgtCanvas = 0;
        engine.DrawGraphics();
        engine.nTgtCanvas = kept;
        return printer.pages().empty() ? QImage() : printer.pages().back();
    }
};

inline bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

inline bool isWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// The first and last dark column of a row, if any.
inline std::optional<std::pair<int, int>> darkSpanInRow(const QImage& image, int y) {
    std::optional<std::pair<int, int>> span;
    for (int x = 0; x < image.width(); ++x)
        if (isDark(image, x, y))
            span = span ? std::pair(span->first, x) : std::pair(x, x);
    return span;
}

inline std::optional<std::pair<int, int>> darkSpanInColumn(const QImage& image, int x) {
    std::optional<std::pair<int, int>> span;
    for (int y = 0; y < image.height(); ++y)
        if (isDark(image, x, y))
            span = span ? std::pair(span->first, y) : std::pair(y, y);
    return span;
}

// Pixels in a rectangle that are not white.
inline int inkIn(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (!isWhite(image, x, y))
                ++count;
    return count;
}

// The smallest rectangle holding every pixel that is not white, empty when there is none.
inline QRect inkBounds(const QImage& image, const QRect& area) {
    QRect bounds;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (!isWhite(image, x, y))
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

} // namespace veridi::test
