#pragma once

#include "PictureLimits.h"

#include <QByteArray>
#include <QImage>

namespace veridi {

// Decodes a JPEG file's bytes with libjpeg. A picture of more than maxPixels pixels is decoded
// reduced (by a factor of n/8, the largest that fits), never enlarged; one that would then
// still have more than roomPixels is not decoded. A corrupt, truncated or oversized picture
// gives a null image; the process is never ended and no pixel memory is taken before the size
// is known to be acceptable.
QImage decodeJpeg(const QByteArray& bytes, qint64 maxPixels = picturelimits::kMaxKeptPixels,
                  qint64 roomPixels = picturelimits::kMaxSlotPixels);

} // namespace veridi
