#pragma once

#include "Options.h"

#include <set>

namespace veridi::sheettool {

// The sheets `render` makes from one set of options: "--sheets N" distinct problem sets, drawn
// with the seeds seed, seed+1, ..., and "--answers-at-end", which puts every answers page of a
// PDF after all the problems pages.
struct SheetBatch {
    static constexpr qint32 kMaxSheets = 10000;

    qint32 sheets = 1;
    bool answersAtEnd = false;
    bool reported = false; // --sheets was given: the seeds are reported so the batch can be made again
    quint64 firstSeed = 0;

    quint64 seedOf(qint32 sheet) const { return firstSeed + quint64(sheet); } // sheet counts from 0
};

std::set<QString> sheetBatchOptions();
std::set<QString> sheetBatchSwitches();

// The batch of the options, its first seed from --seed or the clock. --sheets with --in is a
// UsageError: every sheet would be the same.
SheetBatch sheetBatchFrom(const Options& options);

// "seeds 7 to 56 (--seed 7 makes this batch again)"; "seed 7 (...)" for one sheet.
QString seedsLine(const SheetBatch& batch);

// The image file of one page: for a single sheet the output itself, its answers page in "both"
// mode next to it ("sheet.png", "sheet-answers.png"); in a batch each sheet is numbered from 1
// with as many digits as the count has ("sheet-01.png", "sheet-01-answers.png" ... "sheet-50.png").
QString sheetImageName(const QString& output, qint32 sheet, qint32 sheets, bool answersBeside);

} // namespace veridi::sheettool
