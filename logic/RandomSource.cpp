#include "RandomSource.h"

#include <chrono>

namespace veridi {

RandomSource RandomSource::fromClock() {
    return RandomSource(clockSeed());
}

quint64 RandomSource::clockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<quint64>(now);
}

quint64 RandomSource::uniformInteger(quint64 n) {
    return std::uniform_int_distribution<quint64>(0, n - 1)(engine_);
}

double RandomSource::uniformReal() {
    // 53 random bits: every double in [0, 1) on the grid 2^-53, never 1 itself.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace veridi
