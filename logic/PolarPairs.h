#pragma once

#include "Draws.h"

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <cstddef>

namespace veridi {

// The bits set, without the library call std::popcount makes on the baseline instruction set.
inline int polarBitCount(quint32 bits) {
    bits -= (bits >> 1) & 0x55555555u;
    bits = (bits & 0x33333333u) + ((bits >> 2) & 0x33333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0Fu;
    return int((bits * 0x01010101u) >> 24);
}

// A pair of Marsaglia's polar method: u1 and u2 uniform in [-1, 1), s = u1² + u2².
struct PolarPair {
    PolarPair() = default;
    PolarPair(double real1, double real2) : u1(2.0 * real1 - 1.0) {
        const double u2 = 2.0 * real2 - 1.0;
        s = u1 * u1 + u2 * u2;
    }
    unsigned inside() const { return unsigned(s < 1.0) & unsigned(s != 0.0); }
    double u1 = 0;
    double s = 0;
};

// What a normal draw needs to sort a pair without computing its value: that value lies
// z = u1·√(−2 ln s / s) deviations from the mean, on side [1] of it when u1 ≥ 0 and the spread
// is positive or u1 < 0 and it is negative, else on side [0].
struct PolarBounds {
    // The squared reach of the accepted values on each side; -1 where none lies there, so that
    // every pair on that side is rejected (z²·s ≥ 0 > −s).
    double squaredReach[2] = {-1.0, -1.0};
    // The squared reach within which a value is surely accepted; -1 where none is.
    double surelyWithin[2] = {-1.0, -1.0};
    bool negativeSpread = false;

    bool upper(const PolarPair& pair) const { return (pair.u1 >= 0.0) != negativeSpread; }
    // Whether the pair's value is surely beyond a squared reach: −ln s ≥ 2(1 − s)/(1 + s)
    // bounds z²·s from below by 4·u1²·(1 − s)/(1 + s). Every pair not surely rejected is
    // computed and tested exactly, so the values drawn are those of the full computation.
    static bool beyond(const PolarPair& pair, double reach) {
        return 4.0 * pair.u1 * pair.u1 * (1.0 - pair.s) > reach * pair.s * (1.0 + pair.s);
    }
    // Whether it is surely within one: −ln s ≤ (1 − s²)/(2s) bounds z² by u1²·(1 − s²)/s².
    static bool within(const PolarPair& pair, double reach) {
        return pair.u1 * pair.u1 * (1.0 - pair.s * pair.s) < reach * pair.s * pair.s;
    }
    bool surelyRejected(const PolarPair& pair) const {
        return beyond(pair, upper(pair) ? squaredReach[1] : squaredReach[0]);
    }
    bool surelyAccepted(const PolarPair& pair) const {
        return within(pair, upper(pair) ? surelyWithin[1] : surelyWithin[0]);
    }
};

// The pairs made from consecutive engine outputs, a bit per pair.
struct PolarPairClasses {
    static constexpr std::size_t kMostPairs = 32;
    quint32 inside = 0;
    // For each of two draws: inside and not surely rejected; and of those, surely accepted.
    quint32 candidate[2] = {};
    quint32 surelyAccepted[2] = {};
};

// Whether this processor sorts pairs ahead (classifyPolarPairs) faster than a draw decides
// them one by one.
bool sortingPolarPairsPays();

// Sorts the kMostPairs pairs of outputs[0, 2·kMostPairs) for both draws at once.
PolarPairClasses classifyPolarPairs(const quint64* outputs, const PolarBounds (&bounds)[2]);

// The next pairs of an engine's block, sorted for two draws at once. Used by attempts that are
// all thrown away: they make billions of pairs, and deciding each alone costs a branch that the
// processor cannot predict.
class PolarPairWindow {
public:
    explicit PolarPairWindow(const PolarBounds (&bounds)[2]) : bounds_(bounds) {}

    bool empty() const { return next_ == count_; }
    void clear() { next_ = count_ = 0; }
    // Sorts the next pairs of the block; false when it holds less than a pair.
    bool refill(const EngineDraws& draws) {
        constexpr std::size_t kMost = PolarPairClasses::kMostPairs;
        const std::size_t pairs = std::min(draws.available() / 2, kMost);
        if (pairs == 0)
            return false;
        outputs_ = draws.window(2 * pairs);
        if (pairs < kMost) {
            // The block's last pairs, sorted from a copy filled up with zeros: a pair of zeros
            // is (−1, −1), outside the circle, so the bits beyond the block stay clear.
            std::fill(std::copy(outputs_, outputs_ + 2 * pairs, tail_), std::end(tail_), 0);
            outputs_ = tail_;
        }
        classes_ = classifyPolarPairs(outputs_, bounds_);
        next_ = 0;
        count_ = pairs;
        return true;
    }

    struct Candidate {
        int insideBefore = 0; // the pairs inside the circle drawn, the candidate's included
        bool found = false;
        bool surelyAccepted = false;
        PolarPair pair;
    };
    // Draws on to draw k's next candidate in the window, or to the window's end.
    Candidate nextCandidate(EngineDraws& draws, int k) {
        Candidate result;
        const quint32 ahead = classes_.candidate[k] >> next_;
        const quint32 insideAhead = classes_.inside >> next_;
        if (ahead == 0) {
            result.insideBefore = polarBitCount(insideAhead);
            draws.skip(2 * (count_ - next_));
            next_ = count_;
            return result;
        }
        const std::size_t offset = std::size_t(std::countr_zero(ahead));
        const std::size_t at = next_ + offset;
        result.insideBefore = polarBitCount(insideAhead & ((2u << offset) - 1u));
        result.found = true;
        result.surelyAccepted = (classes_.surelyAccepted[k] >> at) & 1u;
        result.pair =
            PolarPair(RandomSource::realFrom(outputs_[2 * at]), RandomSource::realFrom(outputs_[2 * at + 1]));
        draws.skip(2 * (offset + 1));
        next_ = at + 1;
        return result;
    }

private:
    const PolarBounds (&bounds_)[2];
    const quint64* outputs_ = nullptr;
    quint64 tail_[2 * PolarPairClasses::kMostPairs];
    PolarPairClasses classes_;
    std::size_t next_ = 0;
    std::size_t count_ = 0;
};

} // namespace veridi
