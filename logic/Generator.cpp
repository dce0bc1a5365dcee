#include "Generator.h"

#include "Draws.h"
#include "PolarPairs.h"
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
        bounds_.squaredReach[0] = lowReach > 0 ? -1.0 : lowReach * lowReach;
        bounds_.squaredReach[1] = highReach < 0 ? -1.0 : highReach * highReach;
        // A value above the mean is at least the minimum (the mean is the minimum or the
        // maximum), so it is accepted when it stays below high and the 32-bit bound; one below
        // the mean likewise when it stays above low. Narrowed by the margin: within these
        // reaches a draw is surely accepted.
        const double upReach = (std::min(high, 2147483647.0) - mean_) / spread - margin;
        const double downReach = (mean_ - std::max(low, -2147483647.0)) / spread - margin;
        bounds_.surelyWithin[1] = mean_ > -2147483647.0 && upReach > 0 ? upReach * upReach : -1.0;
        bounds_.surelyWithin[0] = mean_ < 2147483647.0 && downReach > 0 ? downReach * downReach : -1.0;
        bounds_.negativeSpread = sd_ < 0;
    }

    // Draws is SourceDraws or EngineDraws.
    template <typename Draws> qint32 operator()(Draws& draws) const { return draw<true>(draws, 0); }

    // Draws exactly the numbers operator() would, without computing the value where it can.
    template <typename Draws> void skip(Draws& draws) const { draw<false>(draws, 0); }

    // Whether skip can take its pairs from a PolarPairWindow: it draws none or only normal ones.
    bool skipsPairsOnly() const { return kind_ != Kind::Uniform; }
    const PolarBounds& bounds() const { return bounds_; }

    // The same as skip, sorting the pairs by the window's classes for this draw (k) instead of
    // one by one: a thrown-away attempt then costs little more than its draws.
    void skip(EngineDraws& draws, PolarPairWindow& window, int k) const {
        if (kind_ == Kind::Fixed)
            return;
        for (int inCircle = 0;;) {
            // Near the block's end, or so near the limit of draws that a window's pairs could
            // reach it: pair by pair.
            if ((window.empty() && !window.refill(draws)) ||
                inCircle >= kNormalDrawLimit - int(PolarPairClasses::kMostPairs)) {
                window.clear();
                draw<false>(draws, inCircle);
                return;
            }
            const PolarPairWindow::Candidate next = window.nextCandidate(draws, k);
            inCircle += next.insideBefore;
            if (next.surelyAccepted || (next.found && accepted(valueOf(next.pair))))
                return;
        }
    }

private:
    enum class Kind { Fixed, Uniform, Normal };
    static constexpr std::size_t kPairsAtOnce = 4;

    // inCircle: the pairs inside the circle that this draw has already thrown away.
    template <bool kValue, typename Draws> qint32 draw(Draws& draws, int inCircle) const {
        if (kind_ == Kind::Fixed)
            return fixed_;
        if (kind_ == Kind::Normal) {
            // Marsaglia's polar method; only the first of the pair is used. A pair outside the
            // unit circle is drawn again without counting.
            while (inCircle < kNormalDrawLimit) {
                PolarPair pair;
                if (!nextCandidate(draws, inCircle, pair))
                    continue;
                if (!kValue && bounds_.surelyAccepted(pair))
                    return 0;
                const double x = valueOf(pair);
                if (accepted(x))
                    return qint32(std::trunc(x));
            }
        }
        const quint64 width = quint64(qint64(max_) - qint64(min_)) + 1;
        return qint32(qint64(min_) + qint64(draws.integer(width)));
    }

    double valueOf(const PolarPair& pair) const {
        return mean_ + sd_ * pair.u1 * std::sqrt(-2.0 * std::log(pair.s) / pair.s);
    }

    bool accepted(double x) const {
        if (!(x > -2147483647.0 && x < 2147483647.0))
            return false;
        const auto n = qint64(std::trunc(x));
        return n >= min_ && n <= max_;
    }

    // Draws on to the next pair inside the circle that is not surely rejected, counting the
    // pairs inside the circle; false when the draws so far found none. From an engine's block it
    // tries kPairsAtOnce pairs together, without a branch per pair: the processor cannot
    // predict those branches, and a problem set that cannot be made tries billions of pairs.
    template <typename Draws> bool nextCandidate(Draws& draws, int& inCircle, PolarPair& candidate) const {
        if constexpr (Draws::kWindowed) {
            const quint64* window = draws.window(2 * kPairsAtOnce);
            if (window && kNormalDrawLimit - inCircle >= int(kPairsAtOnce)) {
                PolarPair pairs[kPairsAtOnce];
                unsigned insides = 0;
                unsigned candidates = 0;
                for (std::size_t k = 0; k < kPairsAtOnce; ++k) {
                    pairs[k] = PolarPair(RandomSource::realFrom(window[2 * k]),
                                         RandomSource::realFrom(window[2 * k + 1]));
                    const unsigned inside = pairs[k].inside();
                    insides |= inside << k;
                    candidates |= (inside & unsigned(!bounds_.surelyRejected(pairs[k]))) << k;
                }
                if (candidates == 0) {
                    inCircle += polarBitCount(insides);
                    draws.skip(2 * kPairsAtOnce);
                    return false;
                }
                const int first = std::countr_zero(candidates);
                inCircle += polarBitCount(insides & ((2u << first) - 1));
                draws.skip(2 * first + 2);
                candidate = pairs[first];
                return true;
            }
        }
        const double real1 = draws.real();
        candidate = PolarPair(real1, draws.real());
        inCircle += int(candidate.inside());
        return candidate.inside() && !bounds_.surelyRejected(candidate);
    }

    Kind kind_ = Kind::Uniform;
    qint32 min_ = 0;
    qint32 max_ = 0;
    qint32 fixed_ = 0; // the value of a fixed draw
    double mean_ = 0;
    double sd_ = 0;
    PolarBounds bounds_;
};

// Settles the draws of attempts that are all thrown away, as skip does for each operand drawn.
template <typename Draws>
void throwAwayAttempts(const OperandDraw (&operands)[2], const bool (&drawn)[2], int attempts, Draws& draws) {
    if constexpr (Draws::kWindowed) {
        if (sortingPolarPairsPays() && (!drawn[0] || operands[0].skipsPairsOnly()) &&
            (!drawn[1] || operands[1].skipsPairsOnly())) {
            const PolarBounds bounds[2] = {operands[0].bounds(), operands[1].bounds()};
            PolarPairWindow window(bounds);
            for (int attempt = 0; attempt < attempts; ++attempt)
                for (int k = 0; k < 2; ++k)
                    if (drawn[k])
                        operands[k].skip(draws, window, k);
            return;
        }
    }
    for (int attempt = 0; attempt < attempts; ++attempt)
        for (int k = 0; k < 2; ++k)
            if (drawn[k])
                operands[k].skip(draws);
}

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
    const bool drawn[2] = {s.randomOperand[0], s.randomOperand[1]};
    for (qint64 i = 1; i <= count; ++i) {
        bool accepted = false;
        int attempt = 0;
        if (hopeless) {
            throwAwayAttempts(operands, drawn, kAttempts - 1, draws);
            attempt = kAttempts - 1;
        }
        for (; attempt < kAttempts && !accepted; ++attempt) {
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
