#include "QtImageDecoder.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

namespace veridi {
namespace {

// The largest size of the same proportions that has at most maxPixels pixels.
QSize reducedSize(QSize size, qint64 maxPixels) {
    if (qint64(size.width()) * size.height() <= maxPixels)
        return size;
    const double factor = std::sqrt(double(maxPixels) / (double(size.width()) * size.height()));
    QSize reduced(qMax(1, int(size.width() * factor)), qMax(1, int(size.height() * factor)));
    // Rounding may leave a few pixels too many; a side of 1 is not shortened further.
    while (qint64(reduced.width()) * reduced.height() > maxPixels && reduced.width() + reduced.height() > 2) {
        if (reduced.width() >= reduced.height())
            reduced.rwidth() -= 1;
        else
            reduced.rheight() -= 1;
    }
    return reduced;
}

bool fits(const QImage& image, qint64 maxPixels) {
    return !image.isNull() && picturelimits::acceptableSize(image.width(), image.height()) &&
           qint64(image.width()) * image.height() <= maxPixels;
}

} // namespace

QImage decodeWithQt(const QByteArray& bytes, const char* format, qint64 maxPixels, qint64 roomPixels) {
    // The readers' own guard, in case a plugin allocates before it reports a size.
    constexpr int kAllocationLimitMb = int(picturelimits::kMaxPixels * 4 / (qint64{1024} * 1024)) + 1;
    QImageReader::setAllocationLimit(kAllocationLimitMb);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false); // the extension decides, as for every picture
    const QSize size = reader.size();
    if (size.isValid()) {
        if (!picturelimits::acceptableSize(size.width(), size.height()))
            return {};
        const QSize kept = reducedSize(size, maxPixels);
        if (qint64(kept.width()) * kept.height() > roomPixels)
            return {};
        if (kept != size)
            reader.setScaledSize(kept);
    }
    QImage image = reader.read();
    if (!image.isNull() && picturelimits::acceptableSize(image.width(), image.height()) &&
        qint64(image.width()) * image.height() > maxPixels)
        image = image.scaled(reducedSize(image.size(), maxPixels), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    if (!fits(image, std::min(maxPixels, roomPixels)))
        return {};
    return image;
}

} // namespace veridi
