#pragma once

#include <QtGlobal>

#include <random>

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
    virtual double uniformReal();

private:
    std::mt19937_64 engine_;
};

} // namespace veridi
