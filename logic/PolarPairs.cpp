#include "PolarPairs.h"

#include <bit>

namespace veridi {

namespace {

// An output's real in [0, 1), (output >> 11)·2^-53 exactly, in steps a vector unit without a
// 64-bit integer conversion can take: each half of the 53 bits is below 2^52, so or-ing it into
// the bits of 2^52 and subtracting 2^52 gives it exactly, and the sum of the halves is exact.
double realOf(quint64 output) {
    const quint64 bits = output >> 11;
    const double high = std::bit_cast<double>((bits >> 26) | 0x4330000000000000ULL) - 0x1.0p52;
    const double low = std::bit_cast<double>((bits & 0x3FFFFFFULL) | 0x4330000000000000ULL) - 0x1.0p52;
    return high * 0x1.0p-27 + low * 0x1.0p-53;
}

} // namespace

// Sorting pairs ahead pays where these loops become vector instructions of four lanes: the
// AVX2 copy below. The baseline instruction set lacks the lane-wise shifts and narrowing they
// need, and there the copy without vectors is slower than deciding each pair as it comes.
#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
#define VERIDI_POLAR_PAIRS_CLONED
#endif

bool sortingPolarPairsPays() {
#ifdef VERIDI_POLAR_PAIRS_CLONED
    static const bool pays = __builtin_cpu_supports("avx2");
    return pays;
#else
    return false;
#endif
}

// Branch-free element-wise loops that the compiler turns into vector instructions; on x86-64
// Linux a second copy for AVX2 is chosen at load time where the processor has it.
#ifdef VERIDI_POLAR_PAIRS_CLONED
__attribute__((target_clones("avx2", "default")))
#endif
PolarPairClasses
classifyPolarPairs(const quint64* outputs, const PolarBounds (&bounds)[2]) {
    // The bounds in plain locals and the choices as selects, so that the loop has no branch.
    const double reach0[2] = {bounds[0].squaredReach[0], bounds[1].squaredReach[0]};
    const double reach1[2] = {bounds[0].squaredReach[1], bounds[1].squaredReach[1]};
    const double within0[2] = {bounds[0].surelyWithin[0], bounds[1].surelyWithin[0]};
    const double within1[2] = {bounds[0].surelyWithin[1], bounds[1].surelyWithin[1]};
    const bool negative[2] = {bounds[0].negativeSpread, bounds[1].negativeSpread};
    constexpr quint32 count = PolarPairClasses::kMostPairs;
    quint32 inside[count];
    quint32 candidate[2][count];
    quint32 surely[2][count];
    for (std::size_t j = 0; j < count; ++j) {
        const PolarPair pair(realOf(outputs[2 * j]), realOf(outputs[2 * j + 1]));
        const quint32 in = pair.inside();
        inside[j] = in;
        const bool nonNegative = pair.u1 >= 0.0;
        for (int k = 0; k < 2; ++k) {
            const bool upper = nonNegative != negative[k];
            const double reach = upper ? reach1[k] : reach0[k];
            const double within = upper ? within1[k] : within0[k];
            const quint32 kept = in & quint32(!PolarBounds::beyond(pair, reach));
            candidate[k][j] = kept;
            surely[k][j] = kept & quint32(PolarBounds::within(pair, within));
        }
    }
    PolarPairClasses classes;
    for (quint32 j = 0; j < count; ++j) {
        classes.inside |= inside[j] << j;
        classes.candidate[0] |= candidate[0][j] << j;
        classes.candidate[1] |= candidate[1][j] << j;
        classes.surelyAccepted[0] |= surely[0][j] << j;
        classes.surelyAccepted[1] |= surely[1][j] << j;
    }
    return classes;
}

} // namespace veridi
