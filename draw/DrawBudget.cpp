#include "DrawBudget.h"

#include <algorithm>
#include <cstdlib>

namespace veridi {

namespace {

// What any drawing command costs before its first pixel: a pen or font set, a call into the
// painter.
constexpr qint64 kCommandUnits = 32;
// What a character costs besides its pixels: finding its glyph and place.
constexpr qint64 kCharacterUnits = 8;
// Filled pixels (letters, pictures, wide pens) cost a fraction of a thin line's.
constexpr qint64 kFilledPixelsPerUnit = 4;
// A list may draw this many times the page's pixels; the smallest page still gets as much as
// a page of a million pixels.
constexpr qint64 kPagesPerList = 32;
constexpr qint64 kSmallestPageArea = 1'000'000;

} // namespace

DrawBudget::DrawBudget(QSize page)
    : width_(std::max(page.width(), 1)), height_(std::max(page.height(), 1)), area_(width_ * height_),
      left_(kPagesPerList * std::max(area_, kSmallestPageArea)) {}

qint64 DrawBudget::lineCost(QPoint a, QPoint b, qint32 penWidth) const {
    // Only the part on the page is drawn pixel by pixel, however far the ends lie.
    const qint64 dx = std::min(std::abs(qint64(b.x()) - a.x()), width_);
    const qint64 dy = std::min(std::abs(qint64(b.y()) - a.y()), height_);
    const qint64 steps = std::max(dx, dy) + 1;
    if (penWidth <= 1)
        return kCommandUnits + steps;
    const qint64 width = std::min<qint64>(penWidth, std::max(width_, height_));
    return kCommandUnits + std::min(steps * width + width * width, area_) / kFilledPixelsPerUnit;
}

qint64 DrawBudget::textCost(qsizetype characters, qint32 letterHeight) const {
    const qint64 height = std::min<qint64>(std::abs(qint64(letterHeight)), std::max(width_, height_));
    const qint64 perCharacter = kCharacterUnits + std::min(height * height, area_) / kFilledPixelsPerUnit;
    return kCommandUnits + qint64(characters) * perCharacter;
}

qint64 DrawBudget::pictureCost(QPoint a, QPoint b) const {
    // The corners may lie anywhere in the 32-bit range, so the clipping is done in 64 bits.
    auto onPage = [](qint64 from, qint64 to, qint64 extent) {
        return std::max<qint64>(0, std::min(std::max(from, to), extent) -
                                       std::max<qint64>(std::min(from, to), 0));
    };
    return kCommandUnits +
           onPage(a.x(), b.x(), width_) * onPage(a.y(), b.y(), height_) / kFilledPixelsPerUnit;
}

bool DrawBudget::spend(qint64 units) {
    if (units > left_) {
        exhausted_ = true;
        return false;
    }
    left_ -= units;
    return true;
}

} // namespace veridi
