#include "ImageMemory.h"

#include <limits>

namespace veridi {

qint64 imageBytes(QSize size, QImage::Format format) {
    if (size.width() <= 0 || size.height() <= 0)
        return 0;
    const qint64 bitsPerPixel = QImage::toPixelFormat(format).bitsPerPixel();
    // Each row is padded to 32 bits.
    const qint64 rowBytes = (qint64(size.width()) * bitsPerPixel + 31) / 32 * 4;
    if (rowBytes > std::numeric_limits<qint64>::max() / size.height())
        return std::numeric_limits<qint64>::max();
    return rowBytes * size.height();
}

bool imageSizeAllowed(QSize size, QImage::Format format) {
    const qint64 bytes = imageBytes(size, format);
    return bytes > 0 && bytes <= kMaxImageBytes;
}

} // namespace veridi
