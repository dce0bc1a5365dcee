#pragma once

#include "Options.h"

#include "Generator.h"
#include "ProblemSet.h"

#include <optional>

namespace veridi::sheettool {

// Where the problems of a composed page come from: a file in the output format of `problems`
// ("--in FILE", "-" for the standard input), or the generator run as `problems` runs it, with
// its options and "--confirm yes|no" for its question.
std::set<QString> problemSourceOptions();
std::set<QString> problemSourceSwitches();

// The problem set, or nothing when the generator's question was answered no. With --in, the
// options that only steer the generator are a UsageError, since they would change nothing; so
// is a set without problems (an empty file, or zero rows or columns). The generator is seeded
// with seed.
std::optional<ProblemSet> problemsFrom(const Options& options, const GeneratorSettings& settings,
                                       quint64 seed);

// Lines of FIRST<TAB>SECOND or FIRST<TAB>SECOND<TAB>ANSWER, each ending in LF or CR LF, UTF-8;
// at most as many as the generator makes for one sheet, in at most a megabyte. A UsageError
// names the first line that is not of that form, or the file that cannot be read.
ProblemSet readProblemFile(const QString& fileName);

} // namespace veridi::sheettool
