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

PictureSlot decode(const QString& extension, const QByteArray& bytes) {
    if (extension == u"jpg" || extension == u"jpeg")
        return rasterOrEmpty(decodeJpeg(bytes));
    if (extension == u"bmp")
        return rasterOrEmpty(decodeWithQt(bytes, "bmp"));
    if (extension == u"ico")
        return rasterOrEmpty(decodeWithQt(bytes, "ico"));
    if (extension == u"tif" || extension == u"tiff")
        return rasterOrEmpty(decodeWithQt(bytes, "tiff"));
    if (extension == u"wmf")
        return vectorOrEmpty(wmfToSvg(bytes));
    if (extension == u"emf")
        return vectorOrEmpty(emfToSvg(bytes));
    return nullptr;
}

bool isPictureExtension(const QString& extension) {
    static const QStringList known = {QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                      QStringLiteral("ico"), QStringLiteral("wmf"), QStringLiteral("emf"),
                                      QStringLiteral("tif"), QStringLiteral("tiff")};
    return known.contains(extension);
}

} // namespace

PictureSlot loadPictureFile(const QString& fileName) {
    if (!fileExists(fileName))
        return nullptr;
    const QFileInfo info(fileName);
    const QString extension = info.suffix().toLower();
    if (!isPictureExtension(extension) || info.size() > picturelimits::kMaxFileBytes)
        return nullptr;
    return decode(extension, readWholeFile(fileName));
}

} // namespace veridi
