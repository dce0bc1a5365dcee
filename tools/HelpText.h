#pragma once

#include <QString>

#include <vector>

namespace veridi::sheettool {

// One option as --help and the manual page describe it.
struct OptionHelp {
    QString name;  // without the leading "--"
    QString value; // what it takes ("MIN:MAX", "add|sub|mul|div"), empty for a switch
    QString text;  // what it does, with its default
};

// One subcommand as --help and the manual page describe it.
struct SubcommandHelp {
    QString name;
    QString arguments; // the synopsis after the name
    QString purpose;
    std::vector<OptionHelp> options;
    QString example;
};

// Every subcommand, in the order the overview lists them.
const std::vector<SubcommandHelp>& subcommandHelps();
const SubcommandHelp* subcommandHelp(const QString& name);

// What "veridi-sheet --help" prints.
QString overviewText();
// What "veridi-sheet NAME --help" prints.
QString helpText(const SubcommandHelp& help);
// The manual page veridi-sheet.1, in troff, made from the same texts.
QString manPage();

} // namespace veridi::sheettool
