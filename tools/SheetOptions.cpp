#include "SheetOptions.h"

#include "GeneratorOptions.h"
#include "ProblemSource.h"

namespace veridi::sheettool {

Options sheetOptions(const QStringList& args, const std::set<QString>& extraValued,
                     const std::set<QString>& extraSwitches) {
    std::set<QString> valued = problemSourceOptions();
    valued.merge(pageGeometryOptions());
    valued.insert(QStringLiteral("mode"));
    valued.insert(extraValued.begin(), extraValued.end());
    std::set<QString> switches = problemSourceSwitches();
    switches.insert(extraSwitches.begin(), extraSwitches.end());
    Options options(args, valued, switches);
    if (!options.positional().isEmpty())
        throw UsageError(QStringLiteral("unexpected argument %1").arg(options.positional().first()));
    return options;
}

QString sheetMode(const Options& options, const QStringList& words) {
    const auto mode = options.choice(QStringLiteral("mode"), words);
    if (!mode)
        throw UsageError(QStringLiteral("--mode %1 is missing").arg(words.join(u'|')));
    return *mode;
}

SheetInput sheetInputFrom(const Options& options) {
    SheetInput input;
    input.geometry = pageGeometryFrom(options);
    input.generator = generatorSettingsFrom(options);
    input.setup.settingsPath = settingsPathFrom(options);
    input.setup.screenDpi = input.geometry.screenDpi;
    input.setup.unitType = input.geometry.unitType;
    input.setup.rows = input.generator.ExamRowN;
    input.setup.cols = input.generator.ExamColN;
    input.setup.operation = input.generator.operation;
    return input;
}

} // namespace veridi::sheettool
