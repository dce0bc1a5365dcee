#include "EntryChecks.h"

#include "NumberText.h"

namespace veridi {
namespace {

const QString kNotANumber = QStringLiteral("数を入力して下さい");
const QString kTotalOutOfRange = QStringLiteral("問題数は１以上２０以下でなければなりません");

constexpr qint32 kDefaultRows = 10;
constexpr qint32 kDefaultCols = 1;
constexpr qint32 kMaxRows = 10;
constexpr qint32 kMaxCols = 4;
constexpr qint32 kMaxProblems = 20;
const QString kRowsOutOfRange = QStringLiteral("行は１以上１０以下でなければなりません");
const QString kColsOutOfRange = QStringLiteral("列は１以上４以下でなければなりません");

// limit and otherLimit: the largest rows or columns of this box and of the other one.
GridCheck checkGrid(const QString& text, const QString& otherText, qint32 limit, qint32 otherDefault,
                    qint32 otherLimit, const QString& outOfRange) {
    // A text that is not a number cannot become the setting: it is refused like a range box's.
    const auto value = parseInteger32(text);
    if (!value)
        return {kNotANumber};
    if (*value < 1 || *value > limit)
        return {outOfRange};
    // An other box outside its own limits (a hand-edited settings file) is repaired there; held
    // against it, every value of this box would be refused and the grid could never be mended.
    const qint32 other = parseInteger32(otherText).value_or(otherDefault);
    if (other < 1 || other > otherLimit)
        return {std::nullopt, *value, std::nullopt};
    const qint32 total = *value * other;
    if (total > kMaxProblems)
        return {kTotalOutOfRange};
    return {std::nullopt, *value, total};
}

} // namespace

qint32 rangeBoxValue(bool isMinimum, const QString& text) {
    return parseInteger32(text).value_or(isMinimum ? 1 : 100);
}

std::optional<QString> checkRangeBox(bool isMinimum, const QString& text, const QString& pairedText) {
    const auto value = parseInteger32(text);
    if (!value)
        return kNotANumber;
    const qint32 paired = rangeBoxValue(!isMinimum, pairedText);
    if (isMinimum && *value > paired)
        return QStringLiteral("最小値は最大値以下でなければなりません");
    if (!isMinimum && *value < paired)
        return QStringLiteral("最大値は最小値以上でなければなりません");
    return std::nullopt;
}

GridCheck checkRows(const QString& rowsText, const QString& colsText) {
    return checkGrid(rowsText, colsText, kMaxRows, kDefaultCols, kMaxCols, kRowsOutOfRange);
}

GridCheck checkCols(const QString& colsText, const QString& rowsText) {
    return checkGrid(colsText, rowsText, kMaxCols, kDefaultRows, kMaxRows, kColsOutOfRange);
}

std::optional<QString> checkWholeGrid(qint32 rows, qint32 cols) {
    if (rows < 1 || rows > kMaxRows)
        return kRowsOutOfRange;
    if (cols < 1 || cols > kMaxCols)
        return kColsOutOfRange;
    if (rows * cols > kMaxProblems)
        return kTotalOutOfRange;
    return std::nullopt;
}

} // namespace veridi
