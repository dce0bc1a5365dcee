#pragma once

#include "ProblemSet.h"

#include <optional>

namespace veridi {

class Prompts;
class RandomSource;

// The operation tabs of the main window.
enum class Operation { Addition = 0, Subtraction = 1, Multiplication = 2, Division = 3 };

// What one run of the generator reads; it never changes any of it.
struct GeneratorSettings {
    Operation operation = Operation::Addition;
    qint32 MinV[2] = {1, 1};
    qint32 MaxV[2] = {100, 100};
    bool randomOperand[2] = {true, true}; // the two "乱数" boxes; unchecked counts up
    qint32 nZero = 1;                     // 1 natural numbers, 0 with zero, else all integers
    bool fNZero = true;
    bool fNOne = true;
    bool fNotRest = false;
    qint32 rnd_D = 0;
    qint32 ExamRowN = 10;
    qint32 ExamColN = 1;
};

// One operand in [min, max]: uniform for D = 0, otherwise a normal distribution centred on the
// minimum (D > 0) or on the maximum (D < 0) with standard deviation max / |D|, truncated.
qint32 DrawOperand(qint32 min, qint32 max, qint32 D, RandomSource& random);

// Whether the settings allow no problem at all, whatever the operands drawn. It may answer false
// for settings that allow none (it never looks into division); it never answers true wrongly.
bool noProblemCanBeMade(const GeneratorSettings& settings);

// Makes rows × columns problems for the operation. When a problem cannot be made to satisfy the
// constraints, the user is asked whether to keep it; No gives nothing (the caller keeps the lists
// it had).
class ProblemGenerator {
public:
    ProblemGenerator(RandomSource& random, Prompts& prompts) : random_(random), prompts_(prompts) {}

    std::optional<ProblemSet> make(const GeneratorSettings& settings);

    static const QString kConstraintQuestion;
    static constexpr int kAttempts = 10001;
    static constexpr qint64 kMaxProblems = 10000;

private:
    bool MakeAddSub(qint32 sign);
    bool MakeMul();
    bool MakeDiv();
    template <typename Evaluate> bool makeAll(Evaluate evaluate);
    template <typename Evaluate, typename Draws> bool makeAll(Evaluate evaluate, Draws& draws);
    bool inDomain(qint64 value) const;
    bool answerAllowed(qint64 answer) const;

    RandomSource& random_;
    Prompts& prompts_;
    const GeneratorSettings* settings_ = nullptr;
    qint64 v[4] = {};
    QStringList Tmp1, Tmp2, Tmp3;
};

} // namespace veridi
