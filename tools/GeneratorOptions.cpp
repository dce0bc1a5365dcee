#include "GeneratorOptions.h"

#include "IniFile.h"
#include "NumberText.h"
#include "WorksheetSettings.h"

#include <QFileInfo>

#include <cstdio>
#include <limits>

namespace veridi::sheettool {
namespace {

constexpr qint32 kMaxCount = 1000;

const QStringList kAllowForbid = {QStringLiteral("allow"), QStringLiteral("forbid")};

std::optional<bool> forbids(const Options& options, const QString& name) {
    const auto word = options.choice(name, kAllowForbid);
    if (!word)
        return std::nullopt;
    return *word == QLatin1String("forbid");
}

void readRange(const Options& options, const QString& name, qint32& min, qint32& max) {
    const auto text = options.value(name);
    if (!text)
        return;
    const auto [low, high] = parseRange(name, *text);
    if (low > high)
        throw UsageError(
            QStringLiteral("--%1: the minimum %2 is above the maximum %3").arg(name).arg(low).arg(high));
    min = low;
    max = high;
}

} // namespace

std::set<QString> generatorValuedOptions() {
    return {QStringLiteral("op"),          QStringLiteral("rows"),       QStringLiteral("cols"),
            QStringLiteral("first"),       QStringLiteral("second"),     QStringLiteral("domain"),
            QStringLiteral("answer-zero"), QStringLiteral("answer-one"), QStringLiteral("remainder"),
            QStringLiteral("d"),           QStringLiteral("seed"),       QStringLiteral("settings")};
}

std::set<QString> generatorSwitches() {
    return {QStringLiteral("count-first"), QStringLiteral("count-second")};
}

QString settingsPathFrom(const Options& options) {
    const auto path = options.value(QStringLiteral("settings"));
    if (!path)
        return QString();
    if (!QFileInfo(*path).isFile())
        throw UsageError(QStringLiteral("--settings: %1 is not a readable file").arg(*path));
    return *path;
}

GeneratorSettings generatorSettingsFrom(const Options& options) {
    WorksheetSettings stored;
    const QString settingsPath = settingsPathFrom(options);
    // Every command reads its options here once, so this is said once.
    if (fileKind(settingsPath, IniFile::kMaxBytes) == FileKind::TooLarge)
        std::fprintf(stderr,
                     "veridi-sheet: --settings: %s is larger than %lld bytes; the defaults are used\n",
                     qUtf8Printable(settingsPath), static_cast<long long>(IniFile::kMaxBytes));
    LoadIniSets(IniFile(settingsPath), stored);

    GeneratorSettings s = toGeneratorSettings(stored);

    if (const auto op = operationOption(options))
        s.operation = *op;
    if (const auto rows = options.integer(QStringLiteral("rows"), 0, kMaxCount))
        s.ExamRowN = *rows;
    if (const auto cols = options.integer(QStringLiteral("cols"), 0, kMaxCount))
        s.ExamColN = *cols;
    if (qint64(s.ExamRowN) * s.ExamColN > ProblemGenerator::kMaxProblems)
        throw UsageError(QStringLiteral("--rows × --cols: %1 × %2 is more than %3 problems")
                             .arg(s.ExamRowN)
                             .arg(s.ExamColN)
                             .arg(ProblemGenerator::kMaxProblems));
    readRange(options, QStringLiteral("first"), s.MinV[0], s.MaxV[0]);
    readRange(options, QStringLiteral("second"), s.MinV[1], s.MaxV[1]);
    s.randomOperand[0] = !options.has(QStringLiteral("count-first"));
    s.randomOperand[1] = !options.has(QStringLiteral("count-second"));

    const QStringList domains = {QStringLiteral("natural"), QStringLiteral("zero"), QStringLiteral("all")};
    if (const auto domain = options.choice(QStringLiteral("domain"), domains))
        s.nZero = *domain == QLatin1String("natural") ? 1 : *domain == QLatin1String("zero") ? 0 : -1;
    if (const auto f = forbids(options, QStringLiteral("answer-zero")))
        s.fNZero = *f;
    if (const auto f = forbids(options, QStringLiteral("answer-one")))
        s.fNOne = *f;
    if (const auto f = forbids(options, QStringLiteral("remainder")))
        s.fNotRest = *f;
    if (const auto d = options.integer(QStringLiteral("d"), std::numeric_limits<qint32>::min(),
                                       std::numeric_limits<qint32>::max()))
        s.rnd_D = *d;
    return s;
}

std::optional<Operation> operationOption(const Options& options) {
    const QStringList operations = {QStringLiteral("add"), QStringLiteral("sub"), QStringLiteral("mul"),
                                    QStringLiteral("div")};
    const auto op = options.choice(QStringLiteral("op"), operations);
    if (!op)
        return std::nullopt;
    return Operation(operations.indexOf(*op));
}

bool confirmOption(const Options& options) {
    return options.choice(QStringLiteral("confirm"), {QStringLiteral("yes"), QStringLiteral("no")})
               .value_or(QStringLiteral("no")) == QLatin1String("yes");
}

quint64 seedFrom(const Options& options) {
    const auto text = options.value(QStringLiteral("seed"));
    if (!text)
        return RandomSource::clockSeed();
    const auto seed = parseInteger64(*text);
    if (!seed)
        throw UsageError(QStringLiteral("--seed: %1 is not a whole number").arg(*text));
    return quint64(*seed);
}

RandomSource randomSourceFrom(const Options& options) {
    return RandomSource(seedFrom(options));
}

} // namespace veridi::sheettool
