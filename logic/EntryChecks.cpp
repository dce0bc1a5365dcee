#include "EntryChecks.h"

#include "NumberText.h"

namespace veridi {
namespace {

const QString kNotANumber = QStringLiteral("数を入力して下さい");
const QString kTotalOutOfRange = QStringLiteral("問題数は１以上２０以下でなければなりません");

constexpr qint32 kDefaultRows = 10;
constexpr qint32 kDefaultCols = 1;

GridCheck checkGrid(const QString& text, const QString& otherText, qint32 limit, qint32 otherDefault,
                    const QString& outOfRange) {
    // A text that is not a number cannot become the setting: it is refused like a range box's.
    const auto value = parseInteger32(text);
    if (!value)
        return {kNotANumber};
    if (*value < 1 || *value > limit)
        return {outOfRange};
    const qint64 total = qint64(*value) * parseInteger32(otherText).value_or(otherDefault);
    if (total < 1 || total > 20)
        return {kTotalOutOfRange};
    return {std::nullopt, *value, qint32(total)};
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
    return checkGrid(rowsText, colsText, 10, kDefaultCols,
                     QStringLiteral("行は１以上１０以下でなければなりません"));
}

GridCheck checkCols(const QString& colsText, const QString& rowsText) {
    return checkGrid(colsText, rowsText, 4, kDefaultRows,
                     QStringLiteral("列は１以上４以下でなければなりません"));
}

} // namespace veridi
