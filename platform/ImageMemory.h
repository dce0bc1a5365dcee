#pragma once

#include <QImage>
#include <QSize>

namespace veridi {

// The most memory one page image may take. The largest page veridi-sheet's options accept
// (200 M dots in 32 bits, 800 MB) stays below it; a larger request is refused before any memory is asked for,
// so that the answer does not depend on how the system hands out memory.
constexpr qint64 kMaxImageBytes = qint64{1} << 30;

// The bytes an image of this size and format needs (rows padded as QImage pads them); 0 for an
// empty size, the largest qint64 for a count beyond it.
qint64 imageBytes(QSize size, QImage::Format format);

// Whether such an image is not empty and within kMaxImageBytes.
bool imageSizeAllowed(QSize size, QImage::Format format);

} // namespace veridi
