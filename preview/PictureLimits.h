#pragma once

#include <QtGlobal>

namespace veridi::picturelimits {

// A picture file is read into memory whole; anything larger is not taken for a picture.
constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;

// Decoded raster pictures are kept in their slots between redraws, so their size is bounded
// before any pixel memory is allocated: a large camera picture (256 MB decoded), and no side longer
// than a painter can address.
constexpr qint64 kMaxPixels = 64'000'000;
constexpr int kMaxSide = 32767;

inline bool acceptableSize(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

} // namespace veridi::picturelimits
