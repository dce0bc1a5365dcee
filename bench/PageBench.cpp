// Speed of what follows a composed page: its redraw on the screen image and on a 600 dpi printer
// page, the JPEG of the 1:1 page, a batch of sheets into one PDF, and the settings file.
#include "A4PageEngine.h"
#include "Generator.h"
#include "IniFile.h"
#include "JpegWriter.h"
#include "RandomSource.h"
#include "SheetComposer.h"
#include "WorksheetSettings.h"

#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace veridi;

namespace {

// A page of twenty additions composed once, on the screen image of the 1:1 view.
struct ComposedPage : A4PageEngine {
    ComposedPage() {
        engine.nTgtCanvas = 1;
        SheetComposer composer(engine, [this] { engine.DrawGraphics(); });
        WorksheetSettings settings;
        settings.ExamRowN = 10;
        settings.ExamColN = 2;
        GeneratorSettings g;
        g.ExamRowN = 10;
        g.ExamColN = 2;
        RandomSource random(3);
        const ProblemSet problems = *ProblemGenerator(random, prompts).make(g);
        TPageStr dateTime;
        composer.ComposeSheet(SheetComposer::Problems,
                              {settings, dateTime, problems, QStringLiteral("＋"), 0});
    }
};

// Argument 1: the screen image at 96 dpi; 0: the printer page at 600 dpi.
void redrawComposedPage(benchmark::State& state) {
    ComposedPage page;
    page.engine.nTgtCanvas = int(state.range(0));
    for (auto _ : state)
        page.engine.DrawGraphics();
}
BENCHMARK(redrawComposedPage)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void exportPageJpeg(benchmark::State& state) {
    ComposedPage page;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.jpg"));
    for (auto _ : state)
        writeJpegFile(page.engine.Image1, file, 90);
}
BENCHMARK(exportPageJpeg)->Unit(benchmark::kMillisecond);

// The whole veridi-sheet process, as a user runs it: 50 sheets with their answers, 100 pages.
void renderBatchPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList args = {"render", "--sheets", "50",
                              "--mode", "both",     "--seed",
                              "7",      "-o",       dir.filePath(QStringLiteral("batch.pdf"))};
    for (auto _ : state) {
        QProcess sheet;
        sheet.start(QStringLiteral(VERIDI_SHEET), args);
        if (!sheet.waitForFinished(60000) || sheet.exitCode() != 0) {
            state.SkipWithError("veridi-sheet failed");
            break;
        }
    }
}
BENCHMARK(renderBatchPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// Argument 0: load; 1: save, which replaces the file.
void settingsFile(benchmark::State& state) {
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("veridi.ini")));
    test::FakePrompts prompts;
    WorksheetSettings settings;
    SaveIniSets(ini, settings, prompts);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            WorksheetSettings loaded;
            LoadIniSets(ini, loaded);
            benchmark::DoNotOptimize(loaded);
        } else {
            benchmark::DoNotOptimize(SaveIniSets(ini, settings, prompts));
        }
    }
}
BENCHMARK(settingsFile)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
