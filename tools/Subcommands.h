#pragma once

#include <QStringList>

#include <map>

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

using Subcommand = int (*)(const QStringList& args);
// Every subcommand by its name.
const std::map<QString, Subcommand>& subcommands();

} // namespace veridi::sheettool
