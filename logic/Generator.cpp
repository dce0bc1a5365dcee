#include "Generator.h"

#include "Prompts.h"
#include "RandomSource.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace veridi {

const QString ProblemGenerator::kConstraintQuestion = QStringLiteral("最大値や最小値の条件は合っていますか?");

namespace {

// Marsaglia's polar method; only the first of the pair is used.
double normalValue(double mean, double sd, RandomSource& random) {
    double u1, s;
    do {
        u1 = 2.0 * random.uniformReal() - 1.0;
        const double u2 = 2.0 * random.uniformReal() - 1.0;
        s = u1 * u1 + u2 * u2;
    } while (s >= 1.0 || s == 0.0);
    return mean + sd * u1 * std::sqrt(-2.0 * std::log(s) / s);
}

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

} // namespace

qint32 DrawOperand(qint32 min, qint32 max, qint32 D, RandomSource& random) {
    // A reversed range (typed without leaving the box) is drawn as the range it spans, so the
    // value stays within what was typed.
    if (min > max)
        std::swap(min, max);
    if (min == max)
        return min;
    const auto uniform = [&] {
        const quint64 width = quint64(qint64(max) - qint64(min)) + 1;
        return qint32(qint64(min) + qint64(random.uniformInteger(width)));
    };
    if (D == 0)
        return uniform();

    const double mean = D > 0 ? double(min) : double(max);
    const double sd = double(max) / std::abs(double(D));
    const auto accepted = [&](double x) {
        if (!(x > -2147483647.0 && x < 2147483647.0))
            return false;
        const auto n = qint64(std::trunc(x));
        return n >= min && n <= max;
    };
    if (sd == 0.0) // every draw is exactly the mean
        return accepted(mean) ? qint32(std::trunc(mean)) : uniform();
    if (acceptedShare(min, max, mean, sd) < kFewestAccepted)
        return uniform();
    for (int draw = 0; draw < kNormalDrawLimit; ++draw) {
        const double x = normalValue(mean, sd, random);
        if (accepted(x))
            return qint32(std::trunc(x));
    }
    return uniform();
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
    const GeneratorSettings& s = *settings_;
    // A worksheet holds at most 20 problems; the ceiling only keeps a hand-edited settings file
    // with huge rows and columns from running for ever.
    const qint64 count = std::min(qint64(s.ExamRowN) * qint64(s.ExamColN), kMaxProblems);
    qint32 counter[2] = {s.MinV[0], s.MinV[1]};

    for (qint64 i = 1; i <= count; ++i) {
        bool accepted = false;
        for (int attempt = 0; attempt < kAttempts && !accepted; ++attempt) {
            for (int k = 0; k < 2; ++k)
                v[k] = s.randomOperand[k] ? DrawOperand(s.MinV[k], s.MaxV[k], s.rnd_D, random_) : counter[k];
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
