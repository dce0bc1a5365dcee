#pragma once

#include "Generator.h"
#include "PageStr.h"
#include "PreviewDocument.h"
#include "ProblemSet.h"
#include "SheetComposer.h"
#include "WorksheetSettings.h"

#include <optional>

namespace veridi::sheettool {

// The program as it stands once its main window has been shown and a page button is pressed:
// the preview created with the preview settings and page strings of the settings file, the
// main window's worksheet settings and date line from the same file, the page note, the default
// places of page strings never placed, and the preview shown before the first page is composed.
class WorksheetSession {
public:
    struct Setup {
        QString settingsPath; // empty: the fresh-install defaults
        qint32 screenDpi = 96;
        std::optional<qint32> unitType; // overrides the stored drawing unit
        qint32 rows = 10;               // the grid, as typed into the main window's boxes
        qint32 cols = 1;
        Operation operation = Operation::Addition; // the selected tab
    };

    WorksheetSession(Prompts& prompts, PrinterDevice* printer, const Setup& setup);

    // False when the printer check failed; the preview then draws nothing.
    bool ready() const { return doc.ready(); }

    // "問題(&Q)" or "答え(&A)": shows the preview if it is hidden, then composes the page into it,
    // which draws it on the page image.
    void compose(SheetComposer::Mode mode, const ProblemSet& problems);

    PreviewDocument doc;
    WorksheetSettings settings;
    TPageStr DateTime;

private:
    SheetComposer composer_;
    Operation operation_;
};

} // namespace veridi::sheettool
