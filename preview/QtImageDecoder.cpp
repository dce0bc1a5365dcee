#include "QtImageDecoder.h"

#include "PictureLimits.h"

#include <QBuffer>
#include <QImageReader>

namespace veridi {

QImage decodeWithQt(const QByteArray& bytes, const char* format) {
    // The readers' own guard, in case a plugin allocates before it reports a size.
    constexpr int kAllocationLimitMb = int(picturelimits::kMaxPixels * 4 / (1024 * 1024)) + 1;
    QImageReader::setAllocationLimit(kAllocationLimitMb);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false); // the extension decides, as for every picture
    const QSize size = reader.size();
    if (size.isValid() && !picturelimits::acceptableSize(size.width(), size.height()))
        return {};
    QImage image = reader.read();
    if (image.isNull() || !picturelimits::acceptableSize(image.width(), image.height()))
        return {};
    return image;
}

} // namespace veridi
