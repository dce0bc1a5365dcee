#include "MersenneTwister64.h"

namespace veridi {

namespace {

quint64 twist(quint64 current, quint64 following, quint64 distant) {
    const quint64 joined = (current & 0xFFFFFFFF80000000ULL) | (following & 0x7FFFFFFFULL);
    return distant ^ (joined >> 1) ^ ((0 - (following & 1)) & 0xB5026F5AA96619E9ULL);
}

} // namespace

// Both loops are plain element-wise work that the compiler turns into vector instructions; on
// x86-64 a second copy for AVX2 is chosen at load time where the processor has it.
#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target_clones("avx2", "default")))
#endif
void MersenneTwister64::refill() {
    std::size_t k = 0;
    for (; k < kStateSize - kShift; ++k)
        state_[k] = twist(state_[k], state_[k + 1], state_[k + kShift]);
    for (; k < kStateSize - 1; ++k)
        state_[k] = twist(state_[k], state_[k + 1], state_[k + kShift - kStateSize]);
    state_[kStateSize - 1] = twist(state_[kStateSize - 1], state_[0], state_[kShift - 1]);
    for (k = 0; k < kStateSize; ++k) {
        quint64 z = state_[k];
        z ^= (z >> 29) & 0x5555555555555555ULL;
        z ^= (z << 17) & 0x71D67FFFEDA60000ULL;
        z ^= (z << 37) & 0xFFF7EEE000000000ULL;
        output_[k] = z ^ (z >> 43);
    }
    next_ = 0;
}

} // namespace veridi
