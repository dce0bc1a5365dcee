#include "Recalculation.h"
#include "FakePrompts.h"

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakePrompts;

namespace {

struct Result {
    QStringList answers;
    QStringList messages;
};

Result recalc(const QStringList& first, const QStringList& second, const QStringList& answers, Operation op) {
    FakePrompts prompts;
    const QStringList out = recalculateAnswers(first, second, answers, op, prompts);
    return {out, prompts.messages};
}

} // namespace

TEST(Recalculation, ComputesWithTheOperationSelectedNow) {
    struct Row {
        const char* name;
        Operation op;
        QStringList first, second;
        QStringList expected;
    };
    const Row rows[] = {
        {"addition", Operation::Addition, {"3", "-4"}, {"4", "9"}, {"7", "5"}},
        {"subtraction", Operation::Subtraction, {"3"}, {"4"}, {"-1"}},
        {"multiplication", Operation::Multiplication, {"3000000000"}, {"3"}, {"9000000000"}},
        {"division with remainder", Operation::Division, {"7"}, {"2"}, {u"3 あまり 1"_qs}},
        {"exact division", Operation::Division, {"12"}, {"4"}, {"3"}},
        {"negative dividend", Operation::Division, {"-7"}, {"2"}, {u"-3 あまり -1"_qs}},
        {"hexadecimal operands", Operation::Addition, {"$1F"}, {"0x1f"}, {"62"}},
        {"leading blank", Operation::Addition, {" 5"}, {"1"}, {"6"}},
    };
    for (const Row& row : rows) {
        const Result r = recalc(row.first, row.second, {}, row.op);
        EXPECT_EQ(r.answers, row.expected) << row.name;
        EXPECT_TRUE(r.messages.isEmpty()) << row.name;
    }
}

TEST(Recalculation, LinesThatAreNotNumbersGetTheirOwnMessage) {
    const Result r = recalc({"5 ", u"５"_qs, "", "4", "1"}, {"1", "1", "1", "x"}, {}, Operation::Addition);
    EXPECT_EQ(r.answers, QStringList({"---", "---", "---", "---", "---"}));
    EXPECT_EQ(r.messages, QStringList({u"数値に変換できません 1行目"_qs, u"数値に変換できません 2行目"_qs,
                                       u"数値に変換できません 3行目"_qs, u"数値に変換できません 4行目"_qs,
                                       u"数値に変換できません 5行目"_qs}));
}

TEST(Recalculation, DivisionByZeroIsReportedAndTheLoopGoesOn) {
    const Result r = recalc({"7", "8", "9"}, {"2", "0", "3"}, {}, Operation::Division);
    EXPECT_EQ(r.answers, QStringList({u"3 あまり 1"_qs, u"--- Divid by zero"_qs, "3"}));
    EXPECT_EQ(r.messages, QStringList({u"ゼロでは割れません"_qs}));
}

TEST(Recalculation, ResultsOutside64BitsAreReportedInsteadOfWrapping) {
    const Result r = recalc({"9223372036854775807", "-9223372036854775808", "-9223372036854775808"},
                            {"1", "-1", "1"}, {}, Operation::Addition);
    EXPECT_EQ(r.answers, QStringList({"---", "---", "-9223372036854775807"}));
    EXPECT_EQ(r.messages, QStringList({u"演算結果を出せません"_qs, u"演算結果を出せません"_qs}));

    EXPECT_EQ(recalc({"-9223372036854775808"}, {"-1"}, {}, Operation::Division).answers,
              QStringList({"---"}));
    EXPECT_EQ(recalc({"4611686018427387904"}, {"2"}, {}, Operation::Multiplication).answers,
              QStringList({"---"}));
    EXPECT_EQ(recalc({"-9223372036854775808"}, {"1"}, {}, Operation::Subtraction).answers,
              QStringList({"---"}));
}

TEST(Recalculation, AnswerLinesAreReplacedAppendedOrKept) {
    // Shorter answer list: the missing answers are appended in order.
    EXPECT_EQ(recalc({"1", "2", "3"}, {"1", "1", "1"}, {"old"}, Operation::Addition).answers,
              QStringList({"2", "3", "4"}));
    // Longer answer list: lines beyond the first list stay as they were.
    EXPECT_EQ(recalc({"1"}, {"1", "9"}, {"a", "b", "c"}, Operation::Addition).answers,
              QStringList({"2", "b", "c"}));
    // A missing second-operand line is not a number.
    const Result r = recalc({"1", "2", "3"}, {"1", "1"}, {}, Operation::Addition);
    EXPECT_EQ(r.answers.last(), u"---"_qs);
    EXPECT_EQ(r.messages, QStringList({u"数値に変換できません 3行目"_qs}));
    // Nothing to do for an empty first list.
    const Result empty = recalc({}, {"1"}, {"x"}, Operation::Addition);
    EXPECT_EQ(empty.answers, QStringList({"x"}));
    EXPECT_TRUE(empty.messages.isEmpty());
}
