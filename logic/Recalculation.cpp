#include "Recalculation.h"

#include "NumberText.h"
#include "ProblemSet.h"
#include "Prompts.h"

#include <limits>

namespace veridi {
namespace {

const QString kNotANumber = QStringLiteral("---");
const QString kDividedByZero = QStringLiteral("--- Divid by zero");

// The answer of one line, or nothing when it would not fit in 64 bits.
std::optional<QString> compute(qint64 a, qint64 b, Operation operation) {
    qint64 result = 0;
    switch (operation) {
    case Operation::Addition:
        if (__builtin_add_overflow(a, b, &result))
            return std::nullopt;
        return QString::number(result);
    case Operation::Subtraction:
        if (__builtin_sub_overflow(a, b, &result))
            return std::nullopt;
        return QString::number(result);
    case Operation::Multiplication:
        if (__builtin_mul_overflow(a, b, &result))
            return std::nullopt;
        return QString::number(result);
    case Operation::Division:
        if (a == std::numeric_limits<qint64>::min() && b == -1)
            return std::nullopt;
        return divisionAnswer(a / b, a % b);
    }
    return std::nullopt;
}

} // namespace

QString recalculateLine(const QString& first, const QString& second, Operation operation, qint64 lineNumber,
                        Prompts& prompts) {
    const auto a = parseInteger64(first);
    const auto b = parseInteger64(second);
    if (!a || !b) {
        prompts.message(QStringLiteral("数値に変換できません %1行目").arg(lineNumber), Prompts::Icon::Error);
        return kNotANumber;
    }
    if (operation == Operation::Division && *b == 0) {
        prompts.message(QStringLiteral("ゼロでは割れません"), Prompts::Icon::Error);
        return kDividedByZero;
    }
    if (const auto answer = compute(*a, *b, operation))
        return *answer;
    prompts.message(QStringLiteral("演算結果を出せません"), Prompts::Icon::Error);
    return kNotANumber;
}

QStringList recalculateAnswers(const QStringList& first, const QStringList& second,
                               const QStringList& answers, Operation operation, Prompts& prompts) {
    QStringList result = answers;
    for (qsizetype k = 0; k < first.size(); ++k) {
        const QString line = recalculateLine(first[k], second.value(k), operation, k + 1, prompts);
        if (k < result.size())
            result[k] = line;
        else
            result << line;
    }
    return result;
}

} // namespace veridi
