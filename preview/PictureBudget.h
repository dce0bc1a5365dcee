#pragma once

#include "PictureLimits.h"

#include <chrono>

namespace veridi {

// What the pictures of a load may take; the tests make it small.
struct PictureBudget {
    qint64 maxFileBytes = picturelimits::kMaxFileBytes;
    // A larger picture is decoded reduced to at most this many pixels.
    qint64 maxPicturePixels = picturelimits::kMaxKeptPixels;
    // All slots together, those the load keeps included.
    qint64 maxSlotPixels = picturelimits::kMaxSlotPixels;
    // Each metafile's conversion; all of them share the time of their refresh (MetafileTime).
    std::chrono::milliseconds metafileTime = picturelimits::kMetafileTime;
};

} // namespace veridi
