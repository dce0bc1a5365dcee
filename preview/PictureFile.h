#pragma once

#include "Picture.h"
#include "PictureLimits.h"

#include <QString>

#include <chrono>

namespace veridi {

// What reading one picture file may take.
struct PictureFileLimits {
    qint64 maxFileBytes = picturelimits::kMaxFileBytes;
    // A raster picture with more pixels is decoded reduced to fit.
    qint64 maxPixels = picturelimits::kMaxKeptPixels;
    // A raster picture that would still keep more is not decoded: the slot stays empty.
    qint64 roomPixels = picturelimits::kMaxSlotPixels;
    std::chrono::milliseconds metafileTime = picturelimits::kMetafileTime;
};

// Reads the picture a PICTURE command names. The extension (bmp, jpg, jpeg, ico, wmf, emf,
// tif, tiff, in any case) decides how it is decoded; another extension, a missing file, one
// larger than maxFileBytes (whatever size it reports) or one that does not decode gives an
// empty slot. A file that exists but cannot be read throws FileError.
PictureSlot loadPictureFile(const QString& fileName, const PictureFileLimits& limits = {});

// The pixels a picture keeps in memory: those of a raster picture, none for a vector picture
// or an empty slot.
qint64 keptPixels(const PictureSlot& picture);

} // namespace veridi
