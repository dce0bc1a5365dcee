#pragma once

#include "Options.h"

#include "Generator.h"
#include "RandomSource.h"

namespace veridi::sheettool {

// The options that shape a problem set, shared by the subcommands that make one.
std::set<QString> generatorValuedOptions();
std::set<QString> generatorSwitches();

// The settings file of --settings; empty without it (the fresh-install defaults). A UsageError
// when the name is not a readable file.
QString settingsPathFrom(const Options& options);

// The settings "作成(&M)" would use: the fresh-install defaults, or the settings file of
// --settings, overridden by the options.
GeneratorSettings generatorSettingsFrom(const Options& options);

// --op add|sub|mul|div, when given.
std::optional<Operation> operationOption(const Options& options);

// --confirm yes|no, the answer to the generator's question; no when not given.
bool confirmOption(const Options& options);

// The seed of --seed, otherwise one from the clock as the program takes it.
quint64 seedFrom(const Options& options);

// Seeded by --seed, otherwise from the clock as the program is.
RandomSource randomSourceFrom(const Options& options);

} // namespace veridi::sheettool
