#pragma once

#include <QByteArray>
#include <QImage>

namespace veridi {

// Decodes a JPEG file's bytes with libjpeg. A corrupt, truncated or oversized picture gives a
// null image; the process is never ended and no pixel memory is taken before the size is known
// to be acceptable.
QImage decodeJpeg(const QByteArray& bytes);

} // namespace veridi
