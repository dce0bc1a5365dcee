#include "PictureLoader.h"

#include "FileError.h"
#include "PictureFile.h"

#include <QFileInfo>

namespace veridi {
namespace {

bool isMetafile(const QString& fileName) {
    const QString extension = QFileInfo(fileName).suffix().toLower();
    return extension == u"wmf" || extension == u"emf";
}

} // namespace

PictureLoader::PictureLoader(const PictureBudget& budget, qint64 heldPixels, MetafileTime& metafileTime)
    : budget_(budget), freePixels_(budget.maxSlotPixels - heldPixels), metafileTime_(metafileTime) {}

PictureSlot PictureLoader::load(const QString& fileName) {
    if (!fileExists(fileName))
        return nullptr;
    const QString canonical = QFileInfo(fileName).canonicalFilePath();
    if (const auto found = loaded_.find(canonical); found != loaded_.end())
        return found->second;
    PictureSlot picture = decode(fileName);
    const qint64 pixels = keptPixels(picture);
    if (pixels > freePixels_)
        picture = nullptr;
    else
        freePixels_ -= pixels;
    loaded_[canonical] = picture;
    return picture;
}

PictureSlot PictureLoader::decode(const QString& fileName) {
    ++decoded_;
    PictureFileLimits limits;
    limits.maxFileBytes = budget_.maxFileBytes;
    limits.maxPixels = budget_.maxPicturePixels;
    limits.roomPixels = std::max<qint64>(freePixels_, 0); // no pixel memory beyond the budget
    if (!isMetafile(fileName))
        return loadPictureFile(fileName, limits);
    return metafileTime_.convert(budget_.metafileTime, [&](std::chrono::milliseconds given) {
        limits.metafileTime = given;
        return loadPictureFile(fileName, limits);
    });
}

} // namespace veridi
