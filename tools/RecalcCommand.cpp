#include "GeneratorOptions.h"
#include "InputLines.h"
#include "Options.h"
#include "StderrPrompts.h"
#include "Subcommands.h"

#include "Recalculation.h"

#include <cstdio>

namespace veridi::sheettool {
namespace {

// A line holds two 64-bit numbers and an old answer; anything near this long is not such a line.
constexpr qsizetype kMaxLineBytes = qsizetype{64} * 1024;

} // namespace

int runRecalc(const QStringList& args) {
    const Options options(args, {QStringLiteral("op")}, {});
    if (!options.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(options.positional().first()));
    const auto op = operationOption(options);
    if (!op)
        throw UsageError(QStringLiteral("--op add|sub|mul|div is required"));

    // Each line is answered as it is read, so any length of input runs in the memory of one line.
    InputLines lines(stdin, kMaxLineBytes);
    StderrPrompts prompts;
    while (const auto line = lines.next()) {
        const QList<QByteArray> fields = line->split('\t'); // the old answer is not read
        const QString answer =
            recalculateLine(QString::fromUtf8(fields.value(0)), QString::fromUtf8(fields.value(1)), *op,
                            lines.lineNumber(), prompts);
        const QByteArray out = (answer + u'\n').toUtf8();
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    }
    return 0;
}

} // namespace veridi::sheettool
