#include "A4PageEngine.h"
#include "DrawEngine.h"
#include "FakePrompts.h"
#include "Fonts.h"
#include "Generator.h"
#include "RandomSource.h"
#include "SheetComposer.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

using namespace veridi;

namespace {

constexpr qint32 kSlowestD = 1;

GeneratorSettings fullSheet(Operation op) {
    GeneratorSettings s;
    s.operation = op;
    s.ExamRowN = 10;
    s.ExamColN = 2;
    return s;
}

// Twenty problems of each operation (argument 0 to 3) with uniform operands, and (second argument)
// with the distribution D that rejects the most draws.
void makeProblemSet(benchmark::State& state) {
    RandomSource random(1);
    test::FakePrompts prompts;
    GeneratorSettings s = fullSheet(Operation(state.range(0)));
    s.rnd_D = qint32(state.range(1));
    for (auto _ : state)
        benchmark::DoNotOptimize(ProblemGenerator(random, prompts).make(s));
}
BENCHMARK(makeProblemSet)->ArgsProduct({{0, 1, 2, 3}, {0, kSlowestD}});

// One problem of a set that cannot be made: ten thousand and one skewed attempts, then Yes.
void makeUnsatisfiableProblem(benchmark::State& state) {
    RandomSource random(3);
    test::FakePrompts prompts;
    GeneratorSettings s = fullSheet(Operation::Subtraction);
    s.MinV[1] = 200;
    s.MaxV[1] = 300;
    s.rnd_D = kSlowestD;
    s.ExamRowN = s.ExamColN = 1;
    for (auto _ : state) {
        prompts.yesNoAnswers = {true};
        benchmark::DoNotOptimize(ProblemGenerator(random, prompts).make(s));
    }
}
BENCHMARK(makeUnsatisfiableProblem)->Unit(benchmark::kMillisecond);

// A skewed distribution rejects about half its draws.
void drawNormalOperand(benchmark::State& state) {
    RandomSource random(2);
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawOperand(1, 100, 5, random));
}
BENCHMARK(drawNormalOperand);

// Composing a full page of twenty problems, then (argument 1) drawing it on the screen image or
// (argument 0) on the printer page, or (argument 2) not drawing it.
void composeAndDrawPage(benchmark::State& state) {
    A4PageEngine page;
    DrawEngine& engine = page.engine;
    engine.PageTitle.SetSets(QString(), QStringLiteral("ＭＳ 明朝"), 24, 4, u"10"_qs, u"10"_qs, false, false);
    engine.SubTitle.SetSets(QString(), QStringLiteral("ＭＳ 明朝"), 12, 4, u"10"_qs, u"36"_qs, false, false);
    engine.nTgtCanvas = int(state.range(0)) % 2;
    const bool draws = state.range(0) != 2;
    SheetComposer composer(engine, [&engine, draws] {
        if (draws)
            engine.DrawGraphics();
    });
    WorksheetSettings settings;
    settings.ExamRowN = 10;
    settings.ExamColN = 2;
    settings.FntExam.Size = 24;
    RandomSource random(3);
    test::FakePrompts generatorPrompts;
    const ProblemSet problems =
        *ProblemGenerator(random, generatorPrompts).make(fullSheet(Operation::Addition));
    TPageStr dateTime;
    for (auto _ : state) {
        WorksheetSettings s = settings;
        composer.ComposeSheet(SheetComposer::Problems, {s, dateTime, problems, QStringLiteral("＋"), 0});
    }
}
BENCHMARK(composeAndDrawPage)->Arg(2)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A redraw of the largest command file the preview reads: 16 MiB of short LINE commands. An
// unchanged list (argument 0) is split once by the first drawing and only drawn by the redraws
// measured here; an edited one (argument 1: its last line changes every time) is split anew.
void redrawLargeCommandList(benchmark::State& state) {
    A4PageEngine page;
    DrawEngine& engine = page.engine;
    const QString line = QStringLiteral("LINE,10,20,11,21");
    engine.ListByFile = QStringList(qsizetype{16} * 1024 * 1024 / (line.size() + 2), line);
    engine.DrawGraphics();
    const bool edited = state.range(0) == 1;
    int edits = 0;
    for (auto _ : state) {
        if (edited)
            engine.ListByFile.last() = QStringLiteral("LINE,10,20,11,%1").arg(++edits % 2);
        engine.DrawGraphics();
    }
}
BENCHMARK(redrawLargeCommandList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
