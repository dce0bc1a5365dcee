#include "Subcommands.h"

namespace veridi::sheettool {

const std::map<QString, Subcommand>& subcommands() {
    static const std::map<QString, Subcommand> table = {
        {QStringLiteral("problems"), runProblems}, {QStringLiteral("recalc"), runRecalc},
        {QStringLiteral("draw"), runDraw},         {QStringLiteral("page"), runPage},
        {QStringLiteral("render"), runRender},
    };
    return table;
}

} // namespace veridi::sheettool
