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

PictureLoader::PictureLoader(const PictureBudget& budget, qint64 heldPixels,
                             std::function<Clock::time_point()> now)
    : budget_(budget), now_(std::move(now)), freePixels_(budget.maxSlotPixels - heldPixels),
      metafileTimeLeft_(budget.loadMetafileTime) {}

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
    limits.metafileTime =
        std::max(std::chrono::milliseconds(0), std::min(budget_.metafileTime, metafileTimeLeft_));
    const auto start = now_();
    PictureSlot picture = loadPictureFile(fileName, limits);
    metafileTimeLeft_ -= std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start);
    return picture;
}

} // namespace veridi
