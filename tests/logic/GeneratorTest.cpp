#include "Generator.h"
#include "FakePrompts.h"
#include "NumberText.h"
#include "RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace veridi;
using veridi::test::FakePrompts;

namespace {

GeneratorSettings settingsFor(Operation op, qint32 min1, qint32 max1, qint32 min2, qint32 max2) {
    GeneratorSettings s;
    s.operation = op;
    s.MinV[0] = min1;
    s.MaxV[0] = max1;
    s.MinV[1] = min2;
    s.MaxV[1] = max2;
    return s;
}

std::vector<qint64> numbers(const QStringList& lines) {
    std::vector<qint64> values;
    for (const QString& line : lines)
        values.push_back(parseInteger64(line).value());
    return values;
}

struct GeneratorRun {
    FakePrompts prompts;
    RandomSource random{12345};
    std::optional<ProblemSet> make(const GeneratorSettings& s) {
        return ProblemGenerator(random, prompts).make(s);
    }
};

} // namespace

TEST(DrawOperand, EqualBoundsGiveThatValueForEveryD) {
    RandomSource random(1);
    for (qint32 d : {0, 1, 5, -5, 1000})
        for (int i = 0; i < 50; ++i)
            EXPECT_EQ(DrawOperand(42, 42, d, random), 42);
}

TEST(DrawOperand, UniformDrawCoversTheWholeRangeAndNothingElse) {
    RandomSource random(2);
    std::map<qint32, int> seen;
    for (int i = 0; i < 11000; ++i) {
        const qint32 v = DrawOperand(-5, 5, 0, random);
        ASSERT_GE(v, -5);
        ASSERT_LE(v, 5);
        ++seen[v];
    }
    ASSERT_EQ(seen.size(), 11u);
    for (const auto& [value, count] : seen)
        EXPECT_GT(count, 700) << value; // 1000 expected for each value
}

TEST(DrawOperand, UniformDrawSpansTheFull32BitRange) {
    RandomSource random(3);
    bool negative = false, positive = false;
    for (int i = 0; i < 200; ++i) {
        const qint32 v =
            DrawOperand(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 0, random);
        negative |= v < -1000000;
        positive |= v > 1000000;
    }
    EXPECT_TRUE(negative && positive);
}

TEST(DrawOperand, PositiveDClustersAboveTheMinimumAndNegativeBelowTheMaximum) {
    RandomSource random(4);
    std::vector<qint32> low, high;
    for (int i = 0; i < 4000; ++i) {
        low.push_back(DrawOperand(1, 100, 5, random));
        high.push_back(DrawOperand(1, 100, -5, random));
    }
    EXPECT_GE(*std::min_element(low.begin(), low.end()), 1);
    EXPECT_LE(*std::max_element(high.begin(), high.end()), 100);
    // The upper half of a normal curve with sd 20 starting at 1: median near 1 + 0.674 × 20.
    std::nth_element(low.begin(), low.begin() + 2000, low.end());
    std::nth_element(high.begin(), high.begin() + 2000, high.end());
    EXPECT_NEAR(low[2000], 14, 4);
    EXPECT_NEAR(high[2000], 87, 4);
}

TEST(DrawOperand, ZeroMaximumGivesNoSpread) {
    RandomSource random(5);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(DrawOperand(-5, 0, 3, random), -5);
        EXPECT_EQ(DrawOperand(-5, 0, -3, random), 0);
    }
}

TEST(DrawOperand, ImpossibleNormalDrawsEndAndStayInRange) {
    RandomSource random(6);
    // The mean is the excluded bottom of the 32-bit range and there is no spread, or almost none.
    const qint32 v1 = DrawOperand(std::numeric_limits<qint32>::min(), 0, 1, random);
    EXPECT_LE(v1, 0);
    const qint32 v2 = DrawOperand(std::numeric_limits<qint32>::min(), 1, 1000000000, random);
    EXPECT_LE(v2, 1);
}

TEST(DrawOperand, ANarrowRangeFarFromTheSpreadIsDrawnWithoutEndlessRejection) {
    // Standard deviation 1,000,000 over a range two wide: almost every normal draw misses.
    struct CountingSource : RandomSource {
        using RandomSource::RandomSource;
        long reals = 0;
        double uniformReal() override {
            ++reals;
            return RandomSource::uniformReal();
        }
    } random(8);
    int seen[2] = {};
    for (int i = 0; i < 2000; ++i) {
        const qint32 v = DrawOperand(1000000, 1000001, 1, random);
        ASSERT_TRUE(v == 1000000 || v == 1000001);
        ++seen[v - 1000000];
    }
    EXPECT_EQ(random.reals, 0); // no normal draw was even tried
    EXPECT_GT(seen[0], 800);
    EXPECT_GT(seen[1], 800);
}

TEST(DrawOperand, AReversedRangeStaysWithinTheTypedValues) {
    RandomSource random(7);
    for (qint32 d : {0, 3, -3})
        for (int i = 0; i < 200; ++i) {
            const qint32 v = DrawOperand(50, 10, d, random);
            EXPECT_GE(v, 10);
            EXPECT_LE(v, 50);
        }
}

TEST(Generator, AdditionOfNaturalNumbersWithoutZeroOrOneAnswers) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Addition, 1, 100, 1, 100);
    s.ExamRowN = 10;
    s.ExamColN = 2;
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    ASSERT_EQ(set->first.size(), 20);
    ASSERT_EQ(set->second.size(), 20);
    ASSERT_EQ(set->answers.size(), 20);
    const auto a = numbers(set->first), b = numbers(set->second), c = numbers(set->answers);
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(c[i], a[i] + b[i]);
        EXPECT_GE(c[i], 2);
    }
    EXPECT_TRUE(run.prompts.messages.isEmpty());
}

TEST(Generator, SubtractionOfNaturalNumbersKeepsOnlyPositiveDifferences) {
    GeneratorRun run;
    const auto set = run.make(settingsFor(Operation::Subtraction, 1, 10, 5, 20));
    ASSERT_TRUE(set);
    for (qint64 answer : numbers(set->answers)) {
        EXPECT_GE(answer, 1);
        EXPECT_LE(answer, 5);
    }
}

TEST(Generator, CountedOperandsRunFromMinimumToMaximumAndStartAgain) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Multiplication, 1, 3, 7, 7);
    s.randomOperand[0] = false;
    s.ExamRowN = 7;
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->first, QStringList({"1", "2", "3", "1", "2", "3", "1"}));
    EXPECT_EQ(set->answers, QStringList({"7", "14", "21", "7", "14", "21", "7"}));
}

TEST(Generator, CountingUpToTheLargestIntegerStartsAgainWithoutOverflow) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Addition, 2147483646, 2147483647, 1, 1);
    s.randomOperand[0] = false;
    s.ExamRowN = 3;
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->first, QStringList({"2147483646", "2147483647", "2147483646"}));
    EXPECT_EQ(set->answers.at(1), u"2147483648"_qs); // 64-bit answer
}

TEST(Generator, UnsatisfiableProblemAsksAndYesKeepsTheLastAttempt) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Subtraction, 1, 10, 1, 10);
    s.randomOperand[0] = s.randomOperand[1] = false;
    s.ExamRowN = 2;
    run.prompts.yesNoAnswers = {true, true};
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(run.prompts.messages, QStringList({u"最大値や最小値の条件は合っていますか?"_qs,
                                                 u"最大値や最小値の条件は合っていますか?"_qs}));
    EXPECT_EQ(set->first, QStringList({"1", "2"}));
    EXPECT_EQ(set->second, QStringList({"1", "2"}));
    EXPECT_EQ(set->answers, QStringList({"0", "0"}));
}

TEST(Generator, AProblemIsAttemptedExactly10001TimesBeforeTheQuestion) {
    // One random draw per attempt: a first operand from 1 to 2 less a counted 10 is never natural.
    struct CountingSource : RandomSource {
        using RandomSource::RandomSource;
        long integers = 0;
        quint64 uniformInteger(quint64 n) override {
            ++integers;
            return RandomSource::uniformInteger(n);
        }
    } random(9);
    FakePrompts prompts;
    GeneratorSettings s = settingsFor(Operation::Subtraction, 1, 2, 10, 10);
    s.randomOperand[1] = false;
    s.ExamRowN = 2;
    prompts.yesNoAnswers = {true, true};
    ASSERT_TRUE(ProblemGenerator(random, prompts).make(s));
    EXPECT_EQ(random.integers, 2 * 10001);
    EXPECT_EQ(prompts.messages.size(), 2);
}

// A set called hopeless is drawn the cheap way, so the call must never be wrong: over small
// ranges on both sides of zero, drawn or counted, no pair of reachable operands may make a
// problem of a set it calls hopeless.
TEST(Generator, ASetCalledHopelessAllowsNoProblem) {
    const std::pair<qint32, qint32> ranges[] = {{1, 3}, {0, 2}, {-3, 1}, {-4, -2}, {2, 5}, {4, 1}, {1, 1}};
    int hopeless = 0;
    for (const Operation op : {Operation::Addition, Operation::Subtraction, Operation::Multiplication})
        for (const auto& [min1, max1] : ranges)
            for (const auto& [min2, max2] : ranges)
                for (int flags = 0; flags < 24; ++flags) {
                    GeneratorSettings s = settingsFor(op, min1, max1, min2, max2);
                    s.nZero = flags % 3;
                    s.fNZero = flags & 4;
                    s.fNOne = flags & 8;
                    s.randomOperand[1] = !(flags & 16);
                    if (!noProblemCanBeMade(s))
                        continue;
                    ++hopeless;
                    const qint32 low1 = std::min(min1, max1);
                    const qint32 low2 = s.randomOperand[1] ? std::min(min2, max2) : min2;
                    for (qint64 a = low1; a <= std::max(min1, max1); ++a)
                        for (qint64 b = low2; b <= std::max(min2, max2); ++b) {
                            const qint64 answer = op == Operation::Addition      ? a + b
                                                  : op == Operation::Subtraction ? a - b
                                                                                 : a * b;
                            const auto natural = [&](qint64 x) { return s.nZero > 1 || x >= s.nZero; };
                            ASSERT_FALSE(natural(a) && natural(b) && natural(answer) &&
                                         !(s.fNZero && answer == 0) && !(s.fNOne && answer == 1))
                                << int(op) << ' ' << a << ' ' << b << " flags " << flags;
                        }
                }
    EXPECT_GT(hopeless, 100); // the check above ran
    EXPECT_TRUE(noProblemCanBeMade(settingsFor(Operation::Subtraction, 1, 100, 200, 300)));
}

TEST(Generator, NoEndsTheRunWithoutAResult) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Subtraction, 1, 10, 1, 10);
    s.randomOperand[0] = s.randomOperand[1] = false;
    run.prompts.yesNoAnswers = {false};
    EXPECT_FALSE(run.make(s));
    EXPECT_EQ(run.prompts.messages.size(), 1); // asked once, then stopped
}

TEST(Generator, DivisionWithoutRemainderLowersTheDividend) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Division, 10, 10, 3, 3);
    s.randomOperand[0] = s.randomOperand[1] = false;
    s.ExamRowN = 1;
    s.fNotRest = true;
    auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->first, QStringList({"9"}));
    EXPECT_EQ(set->second, QStringList({"3"}));
    EXPECT_EQ(set->answers, QStringList({"3"}));

    s.fNotRest = false;
    set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->first, QStringList({"10"}));
    EXPECT_EQ(set->answers, QStringList({u"3 あまり 1"_qs}));
}

TEST(Generator, DivisionTruncatesTowardZeroWithTheDividendsSign) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Division, -7, -7, 2, 2);
    s.randomOperand[0] = s.randomOperand[1] = false;
    s.nZero = -1;
    s.ExamRowN = 1;
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->answers, QStringList({u"-3 あまり -1"_qs}));
}

TEST(Generator, DivisionByZeroIsNeverAcceptedAndAKeptOneSaysSo) {
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Division, 1, 100, 0, 0);
    s.ExamRowN = 1;
    s.fNotRest = true;
    run.prompts.yesNoAnswers = {true};
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_EQ(run.prompts.messages.size(), 1);
    EXPECT_EQ(set->second, QStringList({"0"}));
    EXPECT_EQ(set->answers, QStringList({u"--- Divid by zero"_qs}));
}

TEST(Generator, NumberDomainsBoundOperandsAndAnswers) {
    struct Row {
        qint32 nZero;
        qint64 lowest;
    };
    for (const Row row : {Row{1, 1}, Row{0, 0}}) {
        GeneratorRun run;
        GeneratorSettings s = settingsFor(Operation::Subtraction, -10, 10, -10, 10);
        s.nZero = row.nZero;
        s.fNZero = s.fNOne = false;
        s.ExamRowN = 20;
        const auto set = run.make(s);
        ASSERT_TRUE(set);
        for (const auto& list : {set->first, set->second, set->answers})
            for (qint64 v : numbers(list))
                EXPECT_GE(v, row.lowest) << "domain " << row.nZero;
    }
    GeneratorRun run;
    GeneratorSettings s = settingsFor(Operation::Subtraction, -10, -10, 5, 5);
    s.nZero = 5; // any value but 0 and 1 allows every integer
    s.ExamRowN = 1;
    EXPECT_EQ(run.make(s)->answers, QStringList({"-15"}));
}

TEST(Generator, NoProblemsForAnEmptyGrid) {
    GeneratorRun run;
    GeneratorSettings s;
    s.ExamRowN = 0;
    const auto set = run.make(s);
    ASSERT_TRUE(set);
    EXPECT_TRUE(set->first.isEmpty() && set->second.isEmpty() && set->answers.isEmpty());
}

TEST(Generator, SameSeedSameProblems) {
    RandomSource r1(99), r2(99);
    FakePrompts p1, p2;
    const GeneratorSettings s;
    EXPECT_EQ(ProblemGenerator(r1, p1).make(s)->first, ProblemGenerator(r2, p2).make(s)->first);
}

namespace {

struct PinnedRun {
    const char* name;
    GeneratorSettings settings;
    quint64 seed;
    const char* lines; // "first second answer" lines, then the next draw of the source
};

GeneratorSettings skewed(Operation op, qint32 min1, qint32 max1, qint32 min2, qint32 max2, qint32 d,
                         qint32 problems) {
    GeneratorSettings s = settingsFor(op, min1, max1, min2, max2);
    s.rnd_D = d;
    s.nZero = 2;
    s.ExamRowN = problems;
    s.ExamColN = 1;
    return s;
}

GeneratorSettings unsatisfiable(qint32 d) {
    GeneratorSettings s = settingsFor(Operation::Subtraction, 1, 100, 200, 300);
    s.rnd_D = d;
    s.ExamRowN = 2;
    s.ExamColN = 1;
    return s;
}

// Passes every draw on unchanged; being overridden, it makes the generator draw through it
// rather than straight from the engine.
struct PassingSource : RandomSource {
    using RandomSource::RandomSource;
    double uniformReal() override { return RandomSource::uniformReal(); }
};

QString runPinned(const PinnedRun& run, RandomSource& random) {
    FakePrompts prompts;
    prompts.yesNoAnswers = {true, true, true, true};
    const auto set = ProblemGenerator(random, prompts).make(run.settings);
    QString text;
    for (qsizetype k = 0; set && k < set->first.size(); ++k)
        text += set->first[k] + u' ' + set->second[k] + u' ' + set->answers[k] + u'\n';
    return text + QString::number(random.uniformInteger(1000000));
}

QString runPinned(const PinnedRun& run) {
    RandomSource random(run.seed);
    return runPinned(run, random);
}

} // namespace

// The operands of a skewed distribution, and how many draws they take, as they have always been
// for these seeds: a faster draw must give exactly the same problems.
TEST(DrawOperand, SkewedDrawsGiveThePinnedProblemsForEachSeed) {
    const PinnedRun runs[] = {
        {"unsatisfiable, D 1", unsatisfiable(1), 1, "100 269 -169\n55 298 -243\n804445"},
        {"unsatisfiable, D 1, other seed", unsatisfiable(1), 987654321, "45 239 -194\n76 274 -198\n139179"},
        {"unsatisfiable, D -2", unsatisfiable(-2), 5, "76 242 -166\n85 242 -157\n314741"},
        {"D 5 about the minimum", skewed(Operation::Addition, 1, 100, 1, 100, 5, 6), 11,
         "15 2 17\n19 8 27\n2 23 25\n2 3 5\n6 33 39\n20 30 50\n310072"},
        {"D -3 about the maximum", skewed(Operation::Multiplication, -50, 40, 3, 9, -3, 6), 12,
         "22 5 110\n33 9 297\n20 6 120\n34 8 272\n17 5 85\n34 6 204\n596054"},
        {"negative maximum", skewed(Operation::Subtraction, -90, -10, -5, 5, 2, 6), 13,
         "-89 -4 -85\n-87 -2 -85\n-84 -2 -82\n-85 -4 -81\n-90 -1 -89\n-71 -5 -66\n67882"},
        {"zero in the range", skewed(Operation::Addition, 0, 1000, -7, 0, 40, 6), 14,
         "5 -7 -2\n0 -7 -7\n6 -7 -1\n68 -7 61\n36 -7 29\n12 -7 5\n799907"},
        {"a narrow range far out", skewed(Operation::Addition, 1000000, 1000001, 1, 2, 1, 3), 15,
         "1000001 2 1000003\n1000000 1 1000001\n1000001 1 1000002\n832472"},
    };
    for (const PinnedRun& run : runs)
        EXPECT_EQ(runPinned(run).toStdString(), std::string(run.lines)) << run.name;
}

// Many seeds over ranges on either side of zero and spreads from wide to narrow, folded into
// one digest of the problems and the draws they took, as pinned above.
TEST(DrawOperand, SkewedDrawsOfManySeedsKeepTheirPinnedDigest) {
    const std::pair<qint32, qint32> ranges[] = {{1, 100}, {0, 10}, {-20, 20}, {-100, -1}, {5, 5000}};
    const qint32 spreads[] = {1, -1, 3, -7, 50};
    quint64 digest = 14695981039346656037ULL; // FNV-1a over the UTF-8 of every run
    for (quint64 seed = 1; seed <= 8; ++seed)
        for (const auto& [low, high] : ranges)
            for (const qint32 d : spreads) {
                const PinnedRun run{"", skewed(Operation::Addition, low, high, -high, -low, d, 4), seed, ""};
                const QString problems = runPinned(run);
                for (const char byte : problems.toUtf8())
                    digest = (digest ^ quint8(byte)) * 1099511628211ULL;
                // The same draws, one virtual call each, as a source whose draws are overridden
                // gets them.
                PassingSource passing(seed);
                ASSERT_EQ(runPinned(run, passing), problems) << seed << ' ' << low << ' ' << d;
            }
    EXPECT_EQ(digest, 11137065523917899968ULL);
}

// Sets that cannot be made, of every shape: negative spreads, ranges at the 32-bit edges, a
// range drawn uniformly beside a skewed one, an operand counted instead of drawn. Their
// thrown-away attempts settle draws without values, many pairs at a time from the engine's
// block; the problems kept and the draws after them must be those the full computation gave
// (the digest was taken before the cheap settling existed), and those of a source whose draws
// come one by one.
TEST(Generator, HopelessSetsKeepTheirPinnedProblems) {
    struct Shape {
        Operation op;
        qint32 min1, max1, min2, max2;
        qint32 nZero;
    };
    const Shape shapes[] = {
        {Operation::Subtraction, 1, 100, 200, 300, 1},
        {Operation::Subtraction, 1, 10, 5000, 6000, 1},
        {Operation::Addition, std::numeric_limits<qint32>::min(), -1, -100, -10, 0},
        {Operation::Multiplication, 2, 9, -9, -2, 0},
        {Operation::Subtraction, 2147483000, 2147483647, 2147483647, 2147483647, 1},
        {Operation::Addition, -90, -10, -3, 5, 1},
    };
    const auto run = [](const GeneratorSettings& s, RandomSource& random) {
        FakePrompts prompts;
        prompts.yesNoAnswers = {true, true};
        const auto set = ProblemGenerator(random, prompts).make(s);
        if (!set)
            return QString();
        const QString text =
            set->first.join(u' ') + u'|' + set->second.join(u' ') + u'|' + set->answers.join(u' ');
        return text + u'|' + QString::number(random.uniformInteger(1000000));
    };
    quint64 digest = 14695981039346656037ULL;
    for (const Shape& shape : shapes)
        for (const qint32 d : {1, -3, 50}) {
            GeneratorSettings s = settingsFor(shape.op, shape.min1, shape.max1, shape.min2, shape.max2);
            s.nZero = shape.nZero;
            s.rnd_D = d;
            s.ExamRowN = 2;
            s.ExamColN = 1;
            ASSERT_TRUE(noProblemCanBeMade(s));
            RandomSource random(quint64(d) + 17);
            const QString text = run(s, random);
            ASSERT_FALSE(text.isEmpty());
            for (const char byte : text.toUtf8())
                digest = (digest ^ quint8(byte)) * 1099511628211ULL;
            for (const bool counted : {false, true}) {
                s.randomOperand[0] = !counted;
                RandomSource own(quint64(d) + 17);
                PassingSource passing(quint64(d) + 17);
                ASSERT_EQ(run(s, own), run(s, passing))
                    << shape.min1 << ' ' << d << (counted ? " counted" : "");
            }
        }
    EXPECT_EQ(digest, 9255982606503705967ULL);
}
