#pragma once

#include <QByteArray>
#include <QImage>

namespace veridi {

// Decodes bmp, ico and tif/tiff bytes with Qt's image readers (format: "bmp", "ico", "tiff").
// A corrupt or oversized picture gives a null image; the size is checked before any pixel
// memory is allocated.
QImage decodeWithQt(const QByteArray& bytes, const char* format);

} // namespace veridi
