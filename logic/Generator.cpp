#include "Generator.h"

#include "Draws.h"
#include "Prompts.h"
#include "RandomSource.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace veridi {

const QString ProblemGenerator::kConstraintQuestion = QStringLiteral("最大値や最小値の条件は合っていますか?");

namespace {

// The share of normal draws that an operand range accepts: those whose truncation lies in
// [min, max], strictly inside the 32-bit bounds.
double acceptedShare(qint32 min, qint32 max, double mean, double sd) {
    const double low = std::max(min > 0 ? double(min) : double(min) - 1.0, -2147483647.0);
    const double high = std::min(max < 0 ? double(max) : double(max) + 1.0, 2147483647.0);
    const auto below = [&](double x) {
        return 0.5 * std::erfc(-(x - mean) / (std::abs(sd) * std::sqrt(2.0)));
    };
    return below(high) - below(low);
}

// The range always begins (D > 0) or ends (D < 0) at the mean, so a range that accepts fewer
// than this share of the draws is narrow against the spread, and the normal curve is flat
// across it to within a few parts in ten thousand: such an operand is drawn uniformly instead
// of being drawn again and again (or for ever, at the excluded edge of the 32-bit range).
constexpr double kFewestAccepted = 0.01;
// With at least that share accepted, this many rejected draws in a row do not happen.
constexpr int kNormalDrawLimit = 10'000;

// The draw of one operand, prepared once for all the attempts of a problem set: a problem that
// cannot be made takes ten thousand attempts, each of a dozen normal draws.
class OperandDraw {
public:
    OperandDraw(qint32 min, qint32 max, qint32 D) {
        // A reversed range (typed without leaving the box) is drawn as the range it spans, so
        // the value stays within what was typed.
        if (min > max)
            std::swap(min, max);
        min_ = fixed_ = min;
        max_ = max;
        if (min == max) {
            kind_ = Kind::Fixed;
            return;
        }
        if (D == 0)
            return;
        mean_ = D > 0 ? double(min) : double(max);
        sd_ = double(max) / std::abs(double(D));
        if (sd_ == 0.0) { // every draw is exactly the mean
            if (accepted(mean_)) {
                kind_ = Kind::Fixed;
                fixed_ = qint32(std::trunc(mean_));
            }
            return;
        }
        if (acceptedShare(min, max, mean_, sd_) < kFewestAccepted)
            return;
        kind_ = Kind::Normal;
        // The accepted values lie in [low, high], that is between lowReach and highReach
        // standard deviations from the mean, widened by far more than the rounding of a draw's
        // computation can move it. A negative sd turns a positive u1 towards the lower values.
        const double low = min > 0 ? double(min) : double(min) - 1.0;
        const double high = max < 0 ? double(max) : double(max) + 1.0;
        const double spread = std::abs(sd_);
        const double margin = 1e-9 * (1.0 + std::abs(mean_) + std::abs(low) + std::abs(high)) / spread;
        const double lowReach = (low - mean_) / spread - margin;
        const double highReach = (high - mean_) / spread + margin;
        squaredReach_[0] = lowReach > 0 ? -1.0 : lowReach * lowReach;
        squaredReach_[1] = highReach < 0 ? -1.0 : highReach * highReach;
        // A value above the mean is at least the minimum (the mean is the minimum or the
        // maximum), so it is accepted when it stays below high and the 32-bit bound; one below
        // the mean likewise when it stays above low. Narrowed by the margin: within these
        // reaches a draw is surely accepted.
        const double upReach = (std::min(high, 2147483647.0) - mean_) / spread - margin;
        const double downReach = (mean_ - std::max(low, -2147483647.0)) / spread - margin;
        surelyWithin_[1] = mean_ > -2147483647.0 && upReach > 0 ? upReach * upReach : -1.0;
        surelyWithin_[0] = mean_ < 2147483647.0 && downReach > 0 ? downReach * downReach : -1.0;
    }

    // Draws is SourceDraws or EngineDraws.
    template <typename Draws> qint32 operator()(Draws& draws) const { return draw<true>(draws); }

    // Draws exactly the numbers operator() would, without computing the value where it can.
    template <typename Draws> void skip(Draws& draws) const { draw<false>(draws); }

private:
    enum class Kind { Fixed, Uniform, Normal };
    static constexpr std::size_t kPairsAtOnce = 4;
    // The bits set in a mask of kPairsAtOnce bits, without the library call that std::popcount
    // makes on processors of the baseline instruction set.
    static int bitCount(unsigned mask) { return int(0x4332322132212110ULL >> (4 * mask)) & 0xF; }

    // A pair of the polar method: u1 and u2 uniform in [-1, 1), s = u1² + u2².
    struct Pair {
        Pair() = default;
        Pair(double real1, double real2) : u1(2.0 * real1 - 1.0) {
            const double u2 = 2.0 * real2 - 1.0;
            s = u1 * u1 + u2 * u2;
        }
        unsigned inside() const { return unsigned(s < 1.0) & unsigned(s != 0.0); }
        double u1 = 0;
        double s = 0;
    };

    template <bool kValue, typename Draws> qint32 draw(Draws& draws) const {
        if (kind_ == Kind::Fixed)
            return fixed_;
        if (kind_ == Kind::Normal) {
            // Marsaglia's polar method; only the first of the pair is used. A pair outside the
            // unit circle is drawn again without counting.
            for (int inCircle = 0; inCircle < kNormalDrawLimit;) {
                Pair pair;
                if (!nextCandidate(draws, inCircle, pair))
                    continue;
                if (!kValue && surelyAccepted(pair))
                    return 0;
                const double x = mean_ + sd_ * pair.u1 * std::sqrt(-2.0 * std::log(pair.s) / pair.s);
                if (accepted(x))
                    return qint32(std::trunc(x));
            }
        }
        const quint64 width = quint64(qint64(max_) - qint64(min_)) + 1;
        return qint32(qint64(min_) + qint64(draws.integer(width)));
    }

    bool accepted(double x) const {
        if (!(x > -2147483647.0 && x < 2147483647.0))
            return false;
        const auto n = qint64(std::trunc(x));
        return n >= min_ && n <= max_;
    }

    // Whether the polar pair gives a value beyond the accepted ones, decided without the
    // logarithm and square root of the value itself: the value lies z = u1·√(−2 ln s / s)
    // deviations from the mean, and −ln s ≥ 2(1 − s)/(1 + s) bounds z²·s from below by
    // 4·u1²·(1 − s)/(1 + s). Only a pair surely outside is rejected here; every other one is
    // computed and tested exactly, so the values drawn are those of the full computation.
    bool surelyRejected(const Pair& pair) const {
        const double bound = 4.0 * pair.u1 * pair.u1 * (1.0 - pair.s);
        return bound > squaredReach_[(pair.u1 >= 0) == (sd_ > 0)] * pair.s * (1.0 + pair.s);
    }

    // Whether the polar pair's value is surely accepted, decided without computing it:
    // −ln s ≤ (1 − s²)/(2s) bounds z² from above by u1²·(1 − s²)/s².
    bool surelyAccepted(const Pair& pair) const {
        const double bound = pair.u1 * pair.u1 * (1.0 - pair.s * pair.s);
        return bound < surelyWithin_[(pair.u1 >= 0) == (sd_ > 0)] * pair.s * pair.s;
    }

    // Draws on to the next pair inside the circle that is not surely rejected, counting the
    // pairs inside the circle; false when the draws so far found none. From an engine's block it
    // tries kPairsAtOnce pairs together, without a branch per pair: the processor cannot
    // predict those branches, and a problem set that cannot be made tries billions of pairs.
    template <typename Draws> bool nextCandidate(Draws& draws, int& inCircle, Pair& candidate) const {
        if constexpr (Draws::kWindowed) {
            const quint64* window = draws.window(2 * kPairsAtOnce);
            if (window && kNormalDrawLimit - inCircle >= int(kPairsAtOnce)) {
                Pair pairs[kPairsAtOnce];
                unsigned insides = 0;
                unsigned candidates = 0;
                for (std::size_t k = 0; k < kPairsAtOnce; ++k) {
                    pairs[k] = Pair(RandomSource::realFrom(window[2 * k]),
                                    RandomSource::realFrom(window[2 * k + 1]));
                    const unsigned inside = pairs[k].inside();
                    insides |= inside << k;
                    candidates |= (inside & unsigned(!surelyRejected(pairs[k]))) << k;
                }
                if (candidates == 0) {
                    inCircle += bitCount(insides);
                    draws.skip(2 * kPairsAtOnce);
                    return false;
                }
                const int first = std::countr_zero(candidates);
                inCircle += bitCount(insides & ((2u << first) - 1));
                draws.skip(2 * first + 2);
                candidate = pairs[first];
                return true;
            }
        }
        const double real1 = draws.real();
        candidate = Pair(real1, draws.real());
        inCircle += int(candidate.inside());
        return candidate.inside() && !surelyRejected(candidate);
    }

    Kind kind_ = Kind::Uniform;
    qint32 min_ = 0;
    qint32 max_ = 0;
    qint32 fixed_ = 0; // the value of a fixed draw
    double mean_ = 0;
    double sd_ = 0;
    // The squared reach towards the lower values [0] and the higher ones [1]; -1 where no value
    // lies on that side, so that every pair there is rejected (z²·s ≥ 0 > −s).
    double squaredReach_[2] = {};
    // The squared reaches within which a value is surely accepted, below [0] and above [1] the
    // mean; -1 where none is.
    double surelyWithin_[2] = {-1.0, -1.0};
};

} // namespace

qint32 DrawOperand(qint32 min, qint32 max, qint32 D, RandomSource& random) {
    SourceDraws draws(random);
    return OperandDraw(min, max, D)(draws);
}

bool noProblemCanBeMade(const GeneratorSettings& s) {
    if (s.operation == Operation::Division || (s.nZero != 0 && s.nZero != 1))
        return false;
    // The values each operand can take: a drawn one stays within the range it spans, a counted
    // one runs from the minimum up to the maximum (and stays at a minimum above the maximum).
    qint64 low[2];
    qint64 high[2];
    for (int k = 0; k < 2; ++k) {
        low[k] = s.randomOperand[k] ? std::min(s.MinV[k], s.MaxV[k]) : s.MinV[k];
        high[k] = std::max(s.MinV[k], s.MaxV[k]);
    }
    // The smallest answer allowed: in the domain, and not a zero or one that is left out.
    qint64 smallestAnswer = s.nZero;
    if (s.fNZero && smallestAnswer == 0)
        smallestAnswer = 1;
    if (s.fNOne && smallestAnswer == 1)
        smallestAnswer = 2;
    qint64 largestAnswer = 0;
    switch (s.operation) {
    case Operation::Addition:
        largestAnswer = high[0] + high[1];
        break;
    case Operation::Subtraction:
        largestAnswer = high[0] - low[1];
        break;
    default:
        largestAnswer = std::max({low[0] * low[1], low[0] * high[1], high[0] * low[1], high[0] * high[1]});
        break;
    }
    return high[0] < s.nZero || high[1] < s.nZero || largestAnswer < smallestAnswer;
}

bool ProblemGenerator::inDomain(qint64 value) const {
    switch (settings_->nZero) {
    case 1:
        return value >= 1;
    case 0:
        return value >= 0;
    default:
        return true;
    }
}

bool ProblemGenerator::answerAllowed(qint64 answer) const {
    if (settings_->fNZero && answer == 0)
        return false;
    if (settings_->fNOne && answer == 1)
        return false;
    return true;
}

// The loop common to every operation. evaluate() computes the answer of v[0] and v[1], tells
// whether the attempt is accepted, and is called once more as settle(true) after the problem is
// settled to give its answer text (and adjust the operands).
template <typename Evaluate> bool ProblemGenerator::makeAll(Evaluate evaluate) {
    if (random_.drawsAreOwn()) {
        EngineDraws draws(random_);
        return makeAll(evaluate, draws);
    }
    SourceDraws draws(random_);
    return makeAll(evaluate, draws);
}

template <typename Evaluate, typename Draws> bool ProblemGenerator::makeAll(Evaluate evaluate, Draws& draws) {
    const GeneratorSettings& s = *settings_;
    // A worksheet holds at most 20 problems; the ceiling only keeps a hand-edited settings file
    // with huge rows and columns from running for ever.
    const qint64 count = std::min(qint64(s.ExamRowN) * qint64(s.ExamColN), kMaxProblems);
    qint32 counter[2] = {s.MinV[0], s.MinV[1]};
    const OperandDraw operands[2] = {{s.MinV[0], s.MaxV[0], s.rnd_D}, {s.MinV[1], s.MaxV[1], s.rnd_D}};

    // When no problem can be made, every attempt fails and only the last one's operands are
    // kept (on Yes): the others draw the same numbers, but settle each draw without its value
    // where they can.
    const bool hopeless = noProblemCanBeMade(s);
    for (qint64 i = 1; i <= count; ++i) {
        bool accepted = false;
        for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
            if (hopeless && attempt < kAttempts - 1) {
                for (int k = 0; k < 2; ++k)
                    if (s.randomOperand[k])
                        operands[k].skip(draws);
                continue;
            }
            for (int k = 0; k < 2; ++k)
                v[k] = s.randomOperand[k] ? operands[k](draws) : counter[k];
            accepted = evaluate(false).has_value();
        }
        if (!accepted && !prompts_.askYesNo(kConstraintQuestion, Prompts::Icon::Question))
            return false;

        for (int k = 0; k < 2; ++k) {
            // Counted in 64 bits so that a maximum of 2147483647 starts again at the minimum.
            const qint64 next = qint64(counter[k]) + 1;
            counter[k] = next > s.MaxV[k] ? s.MinV[k] : qint32(next);
        }
        const QString answer = *evaluate(true);
        Tmp1 << QString::number(v[0]);
        Tmp2 << QString::number(v[1]);
        Tmp3 << answer;
    }
    return true;
}

bool ProblemGenerator::MakeAddSub(qint32 sign) {
    return makeAll([this, sign](bool settled) -> std::optional<QString> {
        v[2] = sign > 0 ? v[0] + v[1] : v[0] - v[1];
        if (settled || (inDomain(v[0]) && inDomain(v[1]) && inDomain(v[2]) && answerAllowed(v[2])))
            return QString::number(v[2]);
        return std::nullopt;
    });
}

bool ProblemGenerator::MakeMul() {
    return makeAll([this](bool settled) -> std::optional<QString> {
        v[2] = v[0] * v[1];
        if (settled || (inDomain(v[0]) && inDomain(v[1]) && inDomain(v[2]) && answerAllowed(v[2])))
            return QString::number(v[2]);
        return std::nullopt;
    });
}

bool ProblemGenerator::MakeDiv() {
    return makeAll([this](bool settled) -> std::optional<QString> {
        if (v[1] == 0) {
            // Only a problem kept after the question gets here settled: it has no quotient, and
            // its answer says so as the recalculation would.
            v[2] = v[3] = 0;
            return settled ? std::optional<QString>(QStringLiteral("--- Divid by zero")) : std::nullopt;
        }
        v[2] = v[0] / v[1]; // C++ division truncates toward zero, the remainder takes the dividend's sign
        v[3] = v[0] - v[1] * v[2];
        if (!settled)
            return inDomain(v[0]) && inDomain(v[1]) && inDomain(v[2]) && answerAllowed(v[2])
                       ? std::optional<QString>(QString())
                       : std::nullopt;
        if (v[3] != 0 && settings_->fNotRest) {
            v[0] = v[1] * v[2];
            v[3] = 0;
        }
        return divisionAnswer(v[2], v[3]);
    });
}

std::optional<ProblemSet> ProblemGenerator::make(const GeneratorSettings& settings) {
    settings_ = &settings;
    Tmp1.clear();
    Tmp2.clear();
    Tmp3.clear();
    bool completed = false;
    switch (settings.operation) {
    case Operation::Addition:
        completed = MakeAddSub(1);
        break;
    case Operation::Subtraction:
        completed = MakeAddSub(-1);
        break;
    case Operation::Multiplication:
        completed = MakeMul();
        break;
    case Operation::Division:
        completed = MakeDiv();
        break;
    }
    settings_ = nullptr;
    if (!completed)
        return std::nullopt;
    return ProblemSet{Tmp1, Tmp2, Tmp3};
}

} // namespace veridi
