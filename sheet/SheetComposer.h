#pragma once

#include "DrawTypes.h"
#include "PageStr.h"
#include "ProblemSet.h"
#include "WorksheetSettings.h"

#include <QDateTime>

#include <functional>

namespace veridi {

class DrawEngine;

// Lays a problem set out as a worksheet page: it writes the page into the engine's program list
// through the emitting operations, measuring texts in the engine, and then asks for the page to
// be drawn. It never draws itself.
class SheetComposer {
public:
    enum Mode { Problems = 0, Answers = 1 };

    // What the main window hands over for one page; the margins in settings may be raised.
    struct Input {
        WorksheetSettings& settings;
        const TPageStr& DateTime;
        const ProblemSet& problems;
        QString sign;     // the operator the selected tab shows
        int tabIndex = 0; // 3 is division
    };

    // updateProgram: takes over the new program list and redraws (the preview's refresh).
    // clock: the moment "%t" and "%d" stand for.
    SheetComposer(DrawEngine& engine, std::function<void()> updateProgram,
                  std::function<QDateTime()> clock = &QDateTime::currentDateTime);

    void ComposeSheet(int mode, Input input);

    // The font the interpreter has while the list is being written.
    DrawFont CurFont;
    void ResetCurFont();
    void PageStrToFont(const TPageStr& ps, DrawFont& F) const;
    // Emits only the font commands that change CurFont into F, then takes F as CurFont.
    void EmitFontChange(const DrawFont& F);

    // The grid area of the last composition.
    Real WindowUpper = 0;
    Real WindowInner = 0;
    Real WindowUnder = 0;

    // The problem font of the settings as the engine keeps fonts.
    static DrawFont examFont(const ExamFontSpec& stored);
    // The interpreter's font at the start of every page.
    static DrawFont pageStartFont();

private:
    QString headerText(const QString& text) const;
    void composeGrid(int mode, const Input& input, DrawFont& F);
    void composeDateBox(const Input& input, DrawFont& F, Real& windowTop);
    void composeCell(int mode, const Input& input, int n, Real tx, Real ty, Real sw, Real sh);

    DrawEngine& engine_;
    std::function<void()> updateProgram_;
    std::function<QDateTime()> clock_;
};

} // namespace veridi
