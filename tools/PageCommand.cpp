#include "GeneratorOptions.h"
#include "ProblemSource.h"
#include "SheetOptions.h"
#include "StderrPrompts.h"
#include "Subcommands.h"
#include "WorksheetSession.h"

#include "ImagePrinter.h"

#include <cstdio>

namespace veridi::sheettool {

int runPage(const QStringList& args) {
    const Options options = sheetOptions(args, {});
    const bool answers = sheetMode(options, {u"problems"_qs, u"answers"_qs}) == u"answers";
    const SheetInput input = sheetInputFrom(options);
    const auto problems = problemsFrom(options, input.generator, seedFrom(options));
    if (!problems)
        return 3;

    StderrPrompts prompts;
    const PageGeometry& g = input.geometry;
    ImagePrinter printer(g.printerDpiX, g.printerDpiY, g.page);
    WorksheetSession session(prompts, &printer, input.setup);
    if (!session.ready())
        return 1;
    session.compose(answers ? SheetComposer::Answers : SheetComposer::Problems, *problems);

    QByteArray out;
    for (const QString& command : session.doc.engine.ListbyProgram)
        out += (command + u'\n').toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

} // namespace veridi::sheettool
