#pragma once

#include "Options.h"
#include "PageGeometry.h"
#include "WorksheetSession.h"

#include "Generator.h"

namespace veridi::sheettool {

// The options the composing subcommands share: the problem source, the page geometry and
// "--mode"; extraValued and extraSwitches name the subcommand's own options. A positional
// argument is a UsageError.
Options sheetOptions(const QStringList& args, const std::set<QString>& extraValued,
                     const std::set<QString>& extraSwitches = {});

// "--mode", which must be given, as one of the words.
QString sheetMode(const Options& options, const QStringList& words);

struct SheetInput {
    PageGeometry geometry;
    GeneratorSettings generator;   // what the problems are made with
    WorksheetSession::Setup setup; // the program the page is composed in
};
SheetInput sheetInputFrom(const Options& options);

} // namespace veridi::sheettool
