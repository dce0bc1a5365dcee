#include "PictureFile.h"

#include "FileError.h"
#include "JpegDecoder.h"
#include "MetafileConverter.h"
#include "PictureLimits.h"
#include "QtImageDecoder.h"
#include "RasterPicture.h"
#include "VectorPicture.h"

#include <QFileInfo>

namespace veridi {
namespace {

PictureSlot rasterOrEmpty(QImage image) {
    if (image.isNull())
        return nullptr;
    return std::make_shared<RasterPicture>(std::move(image));
}

PictureSlot vectorOrEmpty(const QByteArray& svg) {
    if (svg.isEmpty())
        return nullptr;
    return VectorPicture::fromSvg(svg);
}

PictureSlot decode(const QString& extension, const QByteArray& bytes, const PictureFileLimits& limits) {
    if (extension == u"jpg" || extension == u"jpeg")
        return rasterOrEmpty(decodeJpeg(bytes, limits.maxPixels, limits.roomPixels));
    if (extension == u"bmp")
        return rasterOrEmpty(decodeWithQt(bytes, "bmp", limits.maxPixels, limits.roomPixels));
    if (extension == u"ico")
        return rasterOrEmpty(decodeWithQt(bytes, "ico", limits.maxPixels, limits.roomPixels));
    if (extension == u"tif" || extension == u"tiff")
        return rasterOrEmpty(decodeWithQt(bytes, "tiff", limits.maxPixels, limits.roomPixels));
    if (extension == u"wmf")
        return vectorOrEmpty(wmfToSvg(bytes, limits.metafileTime));
    if (extension == u"emf")
        return vectorOrEmpty(emfToSvg(bytes, limits.metafileTime));
    return nullptr;
}

bool isPictureExtension(const QString& extension) {
    static const QStringList known = {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("ico"), QStringLiteral("wmf"), QStringLiteral("emf"),
                                      QStringLiteral("tif"), QStringLiteral("tiff")};
    return known.contains(extension);
}

} // namespace

PictureSlot loadPictureFile(const QString& fileName, const PictureFileLimits& limits) {
    if (!fileExists(fileName))
        return nullptr;
    const QFileInfo info(fileName);
    const QString extension = info.suffix().toLower();
    // The reported size spares reading a file known to be too large; a special file reports
    // none, so the reading itself stops at the limit too.
    if (!isPictureExtension(extension) || info.size() > limits.maxFileBytes)
        return nullptr;
    const std::optional<QByteArray> bytes = readFileUpTo(fileName, limits.maxFileBytes);
    return bytes ? decode(extension, *bytes, limits) : nullptr;
}

qint64 keptPixels(const PictureSlot& picture) {
    const auto* raster = dynamic_cast<const RasterPicture*>(picture.get());
    return raster ? qint64(raster->image().width()) * raster->image().height() : 0;
}

} // namespace veridi
