#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <limits>

namespace veridi {

// The 64-bit Mersenne Twister: the same sequence as std::mt19937_64 for the same seed, so that
// a seed gives the problems it always gave. It twists a whole block of state and tempers it into
// a buffer at once, with the twist's choice made by a mask rather than a branch: the standard
// library's draw mispredicts that branch half the time, and a problem set that cannot be made
// asks for billions of draws.
class MersenneTwister64 {
public:
    using result_type = quint64;

    explicit MersenneTwister64(quint64 seed) {
        state_[0] = seed;
        for (std::size_t k = 1; k < kBlockSize; ++k)
            state_[k] = 6364136223846793005ULL * (state_[k - 1] ^ (state_[k - 1] >> 62)) + k;
    }

    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return std::numeric_limits<result_type>::max(); }

    result_type operator()() {
        if (next_ == kBlockSize)
            refill();
        return output_[next_++];
    }

    // For a caller that draws in a tight loop and keeps its place in a register: the block of
    // outputs, how many of them are drawn, and the next block.
    static constexpr std::size_t kBlockSize = 312;
    const quint64* block() const { return output_.data(); }
    std::size_t drawn() const { return next_; }
    void setDrawn(std::size_t drawn) { next_ = drawn; }
    void nextBlock() { refill(); }

private:
    // Twists the whole state and tempers it into output_.
    void refill();

    // A block of outputs is as long as the state it is tempered from.
    std::array<quint64, kBlockSize> state_{};
    std::array<quint64, kBlockSize> output_{};
    std::size_t next_ = kBlockSize;
};

} // namespace veridi
