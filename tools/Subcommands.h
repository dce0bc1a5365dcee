#pragma once

#include <QStringList>

namespace veridi::sheettool {

// Each subcommand takes the arguments after its name and returns the exit status. A UsageError
// it throws becomes a one-line message and status 2.
int runProblems(const QStringList& args);
int runRecalc(const QStringList& args);

} // namespace veridi::sheettool
