#include "SheetBatch.h"

#include "GeneratorOptions.h"

#include <QFileInfo>

namespace veridi::sheettool {
namespace {

const QString kSheets = QStringLiteral("sheets");
const QString kAnswersAtEnd = QStringLiteral("answers-at-end");

// A seed as --seed reads it back: a seed past the largest signed one wraps to a negative number.
QString seedText(quint64 seed) {
    return QString::number(qint64(seed));
}

} // namespace

std::set<QString> sheetBatchOptions() {
    return {kSheets};
}

std::set<QString> sheetBatchSwitches() {
    return {kAnswersAtEnd};
}

SheetBatch sheetBatchFrom(const Options& options) {
    SheetBatch batch;
    batch.sheets = options.integer(kSheets, 1, SheetBatch::kMaxSheets).value_or(1);
    batch.reported = options.has(kSheets);
    if (batch.reported && options.has(QStringLiteral("in")))
        throw UsageError(QStringLiteral("--sheets cannot go with --in: every sheet would be the same"));
    batch.answersAtEnd = options.has(kAnswersAtEnd);
    batch.firstSeed = seedFrom(options);
    return batch;
}

QString seedsLine(const SheetBatch& batch) {
    const QString first = seedText(batch.firstSeed);
    if (batch.sheets == 1)
        return QStringLiteral("seed %1 (--seed %1 makes this sheet again)").arg(first);
    return QStringLiteral("seeds %1 to %2 (--seed %1 makes this batch again)")
        .arg(first, seedText(batch.seedOf(batch.sheets - 1)));
}

QString sheetImageName(const QString& output, qint32 sheet, qint32 sheets, bool answersBeside) {
    const QString suffix = QFileInfo(output).suffix();
    QString name = output.left(output.size() - suffix.size() - 1);
    if (sheets > 1) {
        const int digits = int(QString::number(sheets).size());
        name += QStringLiteral("-%1").arg(sheet + 1, digits, 10, QLatin1Char('0'));
    }
    if (answersBeside)
        name += QStringLiteral("-answers");
    return name + u'.' + suffix;
}

} // namespace veridi::sheettool
