#pragma once

#include "PictureLimits.h"

#include <chrono>

namespace veridi {

// What one load of a list's pictures may spend; the tests make it small.
struct PictureBudget {
    qint64 maxFileBytes = picturelimits::kMaxFileBytes;
    // A larger picture is decoded reduced to at most this many pixels.
    qint64 maxPicturePixels = picturelimits::kMaxKeptPixels;
    // All slots together, those the load keeps included.
    qint64 maxSlotPixels = picturelimits::kMaxSlotPixels;
    std::chrono::milliseconds metafileTime = picturelimits::kMetafileTime;
    std::chrono::milliseconds loadMetafileTime = picturelimits::kLoadMetafileTime;
};

} // namespace veridi
