#pragma once

#include <QtGlobal>

#include <chrono>

namespace veridi::picturelimits {

// A picture file is read into memory whole; anything larger is not taken for a picture.
constexpr qint64 kMaxFileBytes = qint64{128} * 1024 * 1024;

// The largest picture a file may describe, checked before any pixel memory is allocated: a
// large camera picture, and no side longer than a painter can address.
constexpr qint64 kMaxPixels = 64'000'000;
constexpr int kMaxSide = 32767;

inline bool acceptableSize(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

// Pictures are drawn stretched into a rectangle of the printer page, which has fewer dots than
// this (an A3 page at 600 dpi has about 70 M, a picture takes a part of it); a larger picture is
// decoded reduced to at most this many pixels.
constexpr qint64 kMaxKeptPixels = qint64{16} * 1024 * 1024;

// Decoded pictures stay in their slots between redraws; all fifteen slots together hold at
// most this many pixels (256 MB), a picture beyond it leaves its slot empty.
constexpr qint64 kMaxSlotPixels = qint64{64} * 1024 * 1024;

// Metafiles are converted in a helper process that is stopped when its time is up: each one
// gets at most kMetafileTime, and all those of one refresh kRefreshMetafileTime together, so
// that a refresh waits at most that long for its metafiles.
constexpr std::chrono::milliseconds kMetafileTime{2000};
constexpr std::chrono::milliseconds kRefreshMetafileTime{5000};

} // namespace veridi::picturelimits
