#pragma once

#include "PictureLimits.h"

#include <QByteArray>
#include <QImage>

namespace veridi {

// Decodes bmp, ico and tif/tiff bytes with Qt's image readers (format: "bmp", "ico", "tiff").
// A picture of more than maxPixels pixels is read reduced to fit, keeping its proportions; one
// that would then still have more than roomPixels is not read. A corrupt or oversized picture
// gives a null image; the size is checked before any pixel memory is allocated.
QImage decodeWithQt(const QByteArray& bytes, const char* format,
                    qint64 maxPixels = picturelimits::kMaxKeptPixels,
                    qint64 roomPixels = picturelimits::kMaxSlotPixels);

} // namespace veridi
