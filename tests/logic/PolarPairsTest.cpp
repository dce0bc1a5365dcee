#include "PolarPairs.h"

#include "MersenneTwister64.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace veridi;

namespace {

const PolarBounds typical{{0.0001, 1.0}, {-1.0, 0.98}, false};
const PolarBounds turned{{0.25, 4.0}, {0.2, 3.9}, true};

// The output whose real is the nearest below r (r in [0, 1)), with low bits that the real drops.
quint64 outputFor(double r) {
    return (quint64(std::floor(r * 0x1.0p53)) << 11) | 0x5A5;
}

} // namespace

// Sorting pairs many at a time must decide each pair as drawing it alone does, bit for bit: the
// circle's test exactly, and the bounds of either draw, on either side of the mean.
TEST(PolarPairs, SortedTogetherAsOneByOne) {
    const PolarBounds noneBelow{{-1.0, 0.0}, {-1.0, -1.0}, false};
    const PolarBounds wide{{9.0, 9.0}, {8.9, 8.9}, true};
    const PolarBounds table[][2] = {{typical, turned}, {noneBelow, wide}, {wide, typical}};

    // Engine outputs; then the ends of the reals and the centre (0 gives u = −1, 2^63 gives
    // u = 0, so that a pair of them lies on the centre, which the circle leaves out); then pairs
    // a step of 2^-52 either side of the circle, where a real off by its last bit changes sides.
    MersenneTwister64 engine(20261210);
    quint64 outputs[5][2 * PolarPairClasses::kMostPairs];
    for (auto& block : outputs)
        for (quint64& output : block)
            output = engine();
    const quint64 ends[] = {0, ~quint64(0),     quint64(1) << 63, quint64(1) << 63, 1, quint64(3) << 62,
                            0, quint64(1) << 63};
    std::copy(std::begin(ends), std::end(ends), outputs[3]);
    for (unsigned j = 0; j < PolarPairClasses::kMostPairs; ++j) {
        const unsigned circlePoint = j / 3; // three pairs about each point: a step below, on, above
        const double u1 = -0.9 + 0.05 * circlePoint;
        const double u2 = std::sqrt(1.0 - u1 * u1);
        outputs[4][2 * j] = outputFor((u1 + 1.0) / 2.0);
        outputs[4][2 * j + 1] = outputFor((u2 + 1.0) / 2.0) + (quint64(j % 3) << 11);
    }

    for (const auto& bounds : table)
        for (const auto& block : outputs) {
            const PolarPairClasses classes = classifyPolarPairs(block, bounds);
            for (unsigned j = 0; j < PolarPairClasses::kMostPairs; ++j) {
                const PolarPair pair(RandomSource::realFrom(block[2 * j]),
                                     RandomSource::realFrom(block[2 * j + 1]));
                const bool inside = pair.inside();
                ASSERT_EQ((classes.inside >> j) & 1u, unsigned(inside)) << "pair " << j;
                for (int k = 0; k < 2; ++k) {
                    const bool candidate = inside && !bounds[k].surelyRejected(pair);
                    EXPECT_EQ((classes.candidate[k] >> j) & 1u, unsigned(candidate))
                        << "pair " << j << ", draw " << k;
                    EXPECT_EQ((classes.surelyAccepted[k] >> j) & 1u,
                              unsigned(candidate && bounds[k].surelyAccepted(pair)))
                        << "pair " << j << ", draw " << k;
                }
            }
        }
}

// Walking a window to each draw's next candidate passes the pairs that drawing them one by one
// passes: as many inside the circle, the same candidate, whether or not it is surely accepted.
TEST(PolarPairs, WindowWalksToTheCandidatesOfPairByPair) {
    const PolarBounds bounds[2] = {typical, turned};
    RandomSource windowed(42);
    RandomSource reference(42);
    EngineDraws draws(windowed);
    PolarPairWindow window(bounds);
    for (int step = 0; step < 3000; ++step) {
        const int k = step % 2;
        int expectedInside = 0;
        PolarPair expected;
        do {
            const double real1 = reference.uniformReal();
            expected = PolarPair(real1, reference.uniformReal());
            expectedInside += int(expected.inside());
        } while (!expected.inside() || bounds[k].surelyRejected(expected));

        int inside = 0;
        PolarPairWindow::Candidate next;
        while (!next.found) {
            if (window.empty() && !window.refill(draws)) { // the block's end: a pair drawn alone
                const double real1 = draws.real();
                next.pair = PolarPair(real1, draws.real());
                next.found = next.pair.inside() && !bounds[k].surelyRejected(next.pair);
                next.surelyAccepted = next.found && bounds[k].surelyAccepted(next.pair);
                inside += int(next.pair.inside());
                continue;
            }
            next = window.nextCandidate(draws, k);
            inside += next.insideBefore;
        }
        ASSERT_EQ(inside, expectedInside) << "step " << step;
        ASSERT_EQ(next.pair.u1, expected.u1) << "step " << step;
        ASSERT_EQ(next.pair.s, expected.s) << "step " << step;
        ASSERT_EQ(next.surelyAccepted, bounds[k].surelyAccepted(expected)) << "step " << step;
    }
}
