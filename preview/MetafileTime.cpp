#include "MetafileTime.h"

namespace veridi {

MetafileTime::MetafileTime(std::chrono::milliseconds total, std::function<Clock::time_point()> now)
    : left_(total), now_(std::move(now)) {}

PictureSlot MetafileTime::convert(std::chrono::milliseconds cap,
                                  const std::function<PictureSlot(std::chrono::milliseconds)>& conversion) {
    const auto given = std::max(std::chrono::milliseconds(0), std::min(cap, left_));
    const auto start = now_();
    PictureSlot picture = conversion(given);
    left_ -= std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start);
    return picture;
}

} // namespace veridi
