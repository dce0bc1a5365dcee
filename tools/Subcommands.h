#pragma once

#include <QStringList>

namespace veridi::sheettool {

// Each subcommand takes the arguments after its name and returns the exit status. A UsageError
// it throws becomes a one-line message and status 2.
int runProblems(const QStringList& args);
int runRecalc(const QStringList& args);
// Draws a command file as the preview draws its file list and writes the page image.
int runDraw(const QStringList& args);

} // namespace veridi::sheettool
