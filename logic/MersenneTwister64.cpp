#include "MersenneTwister64.h"

namespace veridi {

namespace {

constexpr std::size_t kStateSize = MersenneTwister64::kBlockSize;
constexpr std::size_t kShift = 156;

quint64 twist(quint64 current, quint64 following, quint64 distant) {
    const quint64 joined = (current & 0xFFFFFFFF80000000ULL) | (following & 0x7FFFFFFFULL);
    return distant ^ (joined >> 1) ^ ((0 - (following & 1)) & 0xB5026F5AA96619E9ULL);
}

// Plain element-wise loops that the compiler turns into vector instructions; on x86-64 Linux a
// second copy for AVX2 is chosen at load time where the processor has it.
#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target_clones("avx2", "default")))
#endif
void twistAndTemper(quint64* state, quint64* output) {
    std::size_t k = 0;
    for (; k < kStateSize - kShift; ++k)
        state[k] = twist(state[k], state[k + 1], state[k + kShift]);
    for (; k < kStateSize - 1; ++k)
        state[k] = twist(state[k], state[k + 1], state[k + kShift - kStateSize]);
    state[kStateSize - 1] = twist(state[kStateSize - 1], state[0], state[kShift - 1]);
    for (k = 0; k < kStateSize; ++k) {
        quint64 z = state[k];
        z ^= (z >> 29) & 0x5555555555555555ULL;
        z ^= (z << 17) & 0x71D67FFFEDA60000ULL;
        z ^= (z << 37) & 0xFFF7EEE000000000ULL;
        output[k] = z ^ (z >> 43);
    }
}

} // namespace

void MersenneTwister64::refill() {
    twistAndTemper(state_.data(), output_.data());
    next_ = 0;
}

} // namespace veridi
