#include "GeneratorOptions.h"
#include "Options.h"
#include "StderrPrompts.h"
#include "Subcommands.h"

#include "ProblemSet.h"
#include "Recalculation.h"

#include <QFile>

#include <cstdio>

namespace veridi::sheettool {

int runRecalc(const QStringList& args) {
    const Options options(args, {QStringLiteral("op")}, {});
    if (!options.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(options.positional().first()));
    const auto op = operationOption(options);
    if (!op)
        throw UsageError(QStringLiteral("--op add|sub|mul|div is required"));

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        throw UsageError(QStringLiteral("standard input cannot be read"));
    ProblemSet set;
    for (const QString& line : linesOf(QString::fromUtf8(in.readAll()))) {
        const QStringList fields = line.split(u'\t');
        set.first << fields.value(0);
        set.second << fields.value(1);
        set.answers << fields.value(2); // the old answer, empty when the line has none
    }

    StderrPrompts prompts;
    const QStringList answers = recalculateAnswers(set.first, set.second, set.answers, *op, prompts);
    const QByteArray out = textOf(answers).toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

} // namespace veridi::sheettool
