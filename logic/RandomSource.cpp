#include "RandomSource.h"

#include <chrono>
#include <random>

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

} // namespace veridi
