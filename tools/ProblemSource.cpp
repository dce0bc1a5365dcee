#include "ProblemSource.h"

#include "GeneratorOptions.h"
#include "StderrPrompts.h"

#include <QFile>

#include <cstdio>

namespace veridi::sheettool {
namespace {

// Ten thousand problems, the most the generator makes for one sheet, take far less than this.
constexpr qint64 kMaxProblemFileBytes = qint64{1024} * 1024;

const QString kInput = QStringLiteral("in");
const QString kConfirm = QStringLiteral("confirm");

QByteArray readInput(const QString& fileName) {
    QFile file(fileName);
    const bool opened =
        fileName == u"-" ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw UsageError(QStringLiteral("--in: %1 is not a readable file").arg(fileName));
    QByteArray bytes = file.read(kMaxProblemFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw UsageError(QStringLiteral("--in: %1 cannot be read: %2").arg(fileName, file.errorString()));
    if (bytes.size() > kMaxProblemFileBytes)
        throw UsageError(
            QStringLiteral("--in: %1 is larger than %2 bytes").arg(fileName).arg(kMaxProblemFileBytes));
    return bytes;
}

// The program composes nothing from an empty problem set and leaves the page blank; a blank
// page written to a file would only hide the mistake.
ProblemSet nonEmpty(ProblemSet problems) {
    if (problems.first.isEmpty())
        throw UsageError(QStringLiteral("there are no problems to lay out"));
    return problems;
}

} // namespace

std::set<QString> problemSourceOptions() {
    std::set<QString> valued = generatorValuedOptions();
    valued.insert({kInput, kConfirm});
    return valued;
}

std::set<QString> problemSourceSwitches() {
    return generatorSwitches();
}

ProblemSet readProblemFile(const QString& fileName) {
    const QStringList lines = linesOf(QString::fromUtf8(readInput(fileName)));
    if (lines.size() > ProblemGenerator::kMaxProblems)
        throw UsageError(QStringLiteral("--in: %1 holds more than %2 problems")
                             .arg(fileName)
                             .arg(ProblemGenerator::kMaxProblems));
    ProblemSet problems;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'\t');
        if (fields.size() < 2 || fields.size() > 3)
            throw UsageError(QStringLiteral("--in: line %1 of %2 is not FIRST<TAB>SECOND[<TAB>ANSWER]")
                                 .arg(i + 1)
                                 .arg(fileName));
        problems.first << fields[0];
        problems.second << fields[1];
        problems.answers << fields.value(2);
    }
    return problems;
}

std::optional<ProblemSet> problemsFrom(const Options& options, const GeneratorSettings& settings,
                                       quint64 seed) {
    if (const auto input = options.value(kInput)) {
        // The operation, the grid and the settings file still shape the page.
        const std::set<QString> layout = {QStringLiteral("op"), QStringLiteral("rows"),
                                          QStringLiteral("cols"), QStringLiteral("settings")};
        std::set<QString> generatorOnly = problemSourceOptions();
        generatorOnly.merge(problemSourceSwitches());
        for (const QString& name : generatorOnly)
            if (name != kInput && !layout.count(name) && options.has(name))
                throw UsageError(
                    QStringLiteral("--%1 steers the generator and cannot go with --in").arg(name));
        return nonEmpty(readProblemFile(*input));
    }
    RandomSource random(seed);
    StderrPrompts prompts(confirmOption(options));
    const auto made = ProblemGenerator(random, prompts).make(settings);
    if (!made)
        return std::nullopt;
    return nonEmpty(*made);
}

} // namespace veridi::sheettool
