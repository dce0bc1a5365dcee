#pragma once

#include "MersenneTwister64.h"

#include <QtGlobal>

#include <typeinfo>

namespace veridi {

// The program's pseudo-random generator: seeded once, from the clock in the program and from a
// fixed seed in tests and the command-line tool. Its draws can be overridden (tests count them),
// so it is passed by reference and never copied: a copy would lose the overrides.
class RandomSource {
public:
    explicit RandomSource(quint64 seed) : engine_(seed) {}
    virtual ~RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    static RandomSource fromClock();
    // The seed fromClock uses: the clock's count at this moment.
    static quint64 clockSeed();

    // A uniform integer in [0, n); n must be positive.
    virtual quint64 uniformInteger(quint64 n);
    // A uniform real in [0, 1).
    virtual double uniformReal() { return realFrom(engine_()); }

    // Whether the draws above are this class's own. A caller that makes millions of draws may
    // then take them from the engine directly (EngineDraws), without a virtual call per draw.
    bool drawsAreOwn() const { return typeid(*this) == typeid(RandomSource); }
    MersenneTwister64& engine() { return engine_; }
    // uniformReal as this class draws it from an engine output: 53 random bits, every double in
    // [0, 1) on the grid 2^-53, never 1 itself.
    static double realFrom(quint64 output) { return static_cast<double>(output >> 11) * 0x1.0p-53; }

private:
    MersenneTwister64 engine_;
};

} // namespace veridi
