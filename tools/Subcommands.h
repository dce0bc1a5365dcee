#pragma once

#include <QStringList>

namespace veridi::sheettool {

// Each subcommand takes the arguments after its name and returns the exit status. A UsageError
// it throws becomes a one-line message and status 2.
int runProblems(const QStringList& args);
int runRecalc(const QStringList& args);
// Draws a command file as the preview draws its file list and writes the page image.
int runDraw(const QStringList& args);
// Composes one worksheet page as the program does and prints its command list.
int runPage(const QStringList& args);
// Composes and draws worksheet pages as the program's preview shows and prints them.
int runRender(const QStringList& args);

} // namespace veridi::sheettool
