#include "WorksheetSession.h"

#include "IniFile.h"
#include "OperationNames.h"
#include "PageDefaults.h"

namespace veridi::sheettool {
namespace {

// The preview window's designed size, which the page view is fitted to when the stored view is
// the page view.
const QSize kPreviewClientSize(480, 600);

} // namespace

WorksheetSession::WorksheetSession(Prompts& prompts, PrinterDevice* printer, const Setup& setup)
    : doc(prompts, printer, setup.screenDpi, IniFile(setup.settingsPath)),
      composer_(doc.engine, [this] { doc.sources.PrevUpDateProgram(); }), operation_(setup.operation) {
    const IniFile ini(setup.settingsPath);
    // The main window's creation reads its date line; the preview's creation has read the rest.
    DateTime.GetIniSets(ini, QStringLiteral("DateTime"), QString(), 0, QStringLiteral("0"),
                        QStringLiteral("0"));
    if (setup.unitType)
        doc.engine.UnitType = *setup.unitType;
    // The main window's show steps: the page note, the settings read with the window's own font
    // as the problem font's base, the default places.
    doc.engine.SetCopyright(pageNote());
    LoadIniSets(ini, settings, ExamFontSpec{});
    placeUnsetTitles(doc.engine);
    placeUnsetDateTime(DateTime);
    settings.ExamRowN = setup.rows;
    settings.ExamColN = setup.cols;
}

void WorksheetSession::compose(SheetComposer::Mode mode, const ProblemSet& problems) {
    if (!doc.engine.Visible) {
        doc.engine.Visible = true;
        doc.Show(kPreviewClientSize);
    }
    composer_.ComposeSheet(mode,
                           {settings, DateTime, problems, operationNames(operation_).sign, int(operation_)});
}

} // namespace veridi::sheettool
