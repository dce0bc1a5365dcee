#pragma once

#include "RandomSource.h"

namespace veridi {

// The draws of a random source, overrides included.
class SourceDraws {
public:
    static constexpr bool kWindowed = false;
    explicit SourceDraws(RandomSource& random) : random_(random) {}
    double real() { return random_.uniformReal(); }
    quint64 integer(quint64 n) { return random_.uniformInteger(n); }

private:
    RandomSource& random_;
};

// The same draws from a source whose draws are its own (drawsAreOwn), taken straight from its
// engine's block. The place in the block is held here, in a register during a tight loop of
// draws rather than in memory at every draw, and handed back to the engine when this ends.
class EngineDraws {
public:
    explicit EngineDraws(RandomSource& random)
        : random_(random), engine_(random.engine()), block_(engine_.block()), drawn_(engine_.drawn()) {}
    ~EngineDraws() { engine_.setDrawn(drawn_); }
    EngineDraws(const EngineDraws&) = delete;
    EngineDraws& operator=(const EngineDraws&) = delete;

    static constexpr bool kWindowed = true;
    // The next n outputs, if the block still holds them (skip says how many were drawn).
    const quint64* window(std::size_t n) const {
        return drawn_ + n <= MersenneTwister64::kBlockSize ? block_ + drawn_ : nullptr;
    }
    void skip(std::size_t n) { drawn_ += n; }
    // The outputs of the block not drawn yet.
    std::size_t available() const { return MersenneTwister64::kBlockSize - drawn_; }

    double real() {
        if (drawn_ == MersenneTwister64::kBlockSize) {
            engine_.nextBlock();
            drawn_ = 0;
        }
        return RandomSource::realFrom(block_[drawn_++]);
    }
    quint64 integer(quint64 n) {
        engine_.setDrawn(drawn_);
        const quint64 value = random_.RandomSource::uniformInteger(n);
        drawn_ = engine_.drawn();
        return value;
    }

private:
    RandomSource& random_;
    MersenneTwister64& engine_;
    const quint64* block_;
    std::size_t drawn_;
};

} // namespace veridi
