#pragma once

#include "Picture.h"
#include "PictureLimits.h"

#include <chrono>
#include <functional>

namespace veridi {

// The conversion time that the metafiles of one refresh share, so that a refresh waits for its
// metafiles at most this long however many slots name one.
class MetafileTime {
public:
    using Clock = std::chrono::steady_clock;
    // now tells the time by which conversions are measured.
    explicit MetafileTime(std::chrono::milliseconds total = picturelimits::kRefreshMetafileTime,
                          std::function<Clock::time_point()> now = &Clock::now);

    // Runs a conversion, giving it what is left but at most cap (no time when all is spent),
    // and spends what it took.
    PictureSlot convert(std::chrono::milliseconds cap,
                        const std::function<PictureSlot(std::chrono::milliseconds)>& conversion);

    std::chrono::milliseconds left() const { return left_; }

private:
    std::chrono::milliseconds left_;
    std::function<Clock::time_point()> now_;
};

} // namespace veridi
