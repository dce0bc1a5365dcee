#include "GeneratorOptions.h"
#include "Options.h"
#include "StderrPrompts.h"
#include "Subcommands.h"

#include "Generator.h"
#include "RandomSource.h"

#include <cstdio>

namespace veridi::sheettool {

int runProblems(const QStringList& args) {
    std::set<QString> valued = generatorValuedOptions();
    valued.insert(QStringLiteral("confirm"));
    const Options options(args, valued, generatorSwitches());
    if (!options.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(options.positional().first()));

    const GeneratorSettings settings = generatorSettingsFrom(options);
    RandomSource random = randomSourceFrom(options);
    StderrPrompts prompts(confirmOption(options));

    const auto problems = ProblemGenerator(random, prompts).make(settings);
    if (!problems)
        return 3;
    QByteArray out;
    for (qsizetype i = 0; i < problems->first.size(); ++i)
        out += (problems->first[i] + u'\t' + problems->second[i] + u'\t' + problems->answers[i] + u'\n')
                   .toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

} // namespace veridi::sheettool
