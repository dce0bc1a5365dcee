#include "PageImageOutput.h"
#include "ProblemSource.h"
#include "SheetOptions.h"
#include "StderrPrompts.h"
#include "Subcommands.h"
#include "WorksheetSession.h"

#include "ImagePrinter.h"
#include "PdfPrinter.h"

#include <QFileInfo>

#include <vector>

namespace veridi::sheettool {
namespace {

struct RenderTarget {
    QString output;
    bool pdf = false;
    QString imageFormat; // "png", "bmp" or "jpg" when not a PDF
};

RenderTarget renderTargetOf(const Options& options, const PageGeometry& geometry) {
    RenderTarget target;
    target.output = options.value(QStringLiteral("output")).value_or(QString());
    if (target.output.isEmpty())
        throw UsageError(QStringLiteral("-o OUT is missing"));
    target.pdf = QFileInfo(target.output).suffix().toLower() == u"pdf";
    const auto format = imageFormatOf(target.output);
    if (!target.pdf && !format)
        throw UsageError(
            QStringLiteral("-o: %1 does not end in .pdf, .png, .bmp, .jpg or .jpeg").arg(target.output));
    target.imageFormat = format.value_or(QString());
    // The PDF printer's page is fixed; a resolution or page size for it would be silently false.
    if (target.pdf && geometry.printerGiven)
        throw UsageError(QStringLiteral("--printer-dpi and --page do not apply to a PDF, whose page is "
                                        "A4 at %1 dots per inch")
                             .arg(PdfPrinter::kDpi));
    return target;
}

// The answers page of "both" goes next to the problems page: "sheet.png" → "sheet-answers.png".
QString answersImageName(const QString& output) {
    const QString suffix = QFileInfo(output).suffix();
    return output.left(output.size() - suffix.size() - 1) + QStringLiteral("-answers.") + suffix;
}

} // namespace

int runRender(const QStringList& args) {
    const Options options = sheetOptions(withLongOutputOption(args), {QStringLiteral("output")});
    const QString mode = sheetMode(options, {u"problems"_qs, u"answers"_qs, u"both"_qs});
    const SheetInput input = sheetInputFrom(options);
    const RenderTarget target = renderTargetOf(options, input.geometry);
    const auto problems = problemsFrom(options, input.generator);
    if (!problems)
        return 3;

    std::vector<SheetComposer::Mode> modes;
    if (mode != u"answers")
        modes.push_back(SheetComposer::Problems);
    if (mode != u"problems")
        modes.push_back(SheetComposer::Answers);

    StderrPrompts prompts;
    const PageGeometry& g = input.geometry;
    PdfPrinter pdf;
    ImagePrinter image(g.printerDpiX, g.printerDpiY, g.page);
    WorksheetSession session(prompts, target.pdf ? static_cast<PrinterDevice*>(&pdf) : &image, input.setup);
    if (!session.ready())
        return 1;
    for (const SheetComposer::Mode m : modes) {
        session.compose(m, *problems);
        if (target.pdf) {
            try {
                session.doc.PrintOut();
            } catch (const PrintJobError& error) {
                prompts.message(QString::fromUtf8(error.what()), Prompts::Icon::Error);
                return 1;
            }
            continue;
        }
        const QString name = m == SheetComposer::Answers && modes.size() == 2
                                 ? answersImageName(target.output)
                                 : target.output;
        const int quality = qBound(1, int(session.doc.CQuality), 100);
        if (!writePageImage(session.doc.engine.Image1, name, target.imageFormat, quality, prompts))
            return 1;
    }
    if (target.pdf && !pdf.write(target.output)) {
        prompts.message(QStringLiteral("Cannot write file \"%1\".").arg(target.output), Prompts::Icon::Error);
        return 1;
    }
    return 0;
}

} // namespace veridi::sheettool
