#include "BatchProgress.h"
#include "PageImageOutput.h"
#include "ProblemSource.h"
#include "SheetBatch.h"
#include "SheetOptions.h"
#include "StderrPrompts.h"
#include "Subcommands.h"
#include "WorksheetSession.h"

#include "ImagePrinter.h"
#include "PdfPrinter.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>
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
    if (!target.pdf && options.has(QStringLiteral("answers-at-end")))
        throw UsageError(QStringLiteral("--answers-at-end orders the pages of a PDF; images are files of "
                                        "their own"));
    return target;
}

void writeToStderr(const QString& text) {
    if (text.isEmpty())
        return;
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// The order of the recorded pages in the PDF: as composed (each sheet's pages together), or
// every sheet's first page, then every sheet's second page.
std::vector<qsizetype> pdfPageOrder(const SheetBatch& batch, qsizetype pagesPerSheet) {
    std::vector<qsizetype> order;
    if (!batch.answersAtEnd) {
        for (qsizetype page = 0; page < batch.sheets * pagesPerSheet; ++page)
            order.push_back(page);
        return order;
    }
    for (qsizetype page = 0; page < pagesPerSheet; ++page)
        for (qsizetype sheet = 0; sheet < batch.sheets; ++sheet)
            order.push_back(sheet * pagesPerSheet + page);
    return order;
}

} // namespace

int runRender(const QStringList& args) {
    std::set<QString> ownOptions = sheetBatchOptions();
    ownOptions.insert(QStringLiteral("output"));
    const Options options = sheetOptions(withLongOutputOption(args), ownOptions, sheetBatchSwitches());
    const QString mode = sheetMode(options, {u"problems"_qs, u"answers"_qs, u"both"_qs});
    const SheetInput input = sheetInputFrom(options);
    const RenderTarget target = renderTargetOf(options, input.geometry);
    const SheetBatch batch = sheetBatchFrom(options);

    std::vector<SheetComposer::Mode> modes;
    if (mode != u"answers")
        modes.push_back(SheetComposer::Problems);
    if (mode != u"problems")
        modes.push_back(SheetComposer::Answers);

    StderrPrompts prompts;
    if (batch.reported)
        prompts.message(seedsLine(batch), Prompts::Icon::Information);
    const PageGeometry& g = input.geometry;
    PdfPrinter pdf;
    ImagePrinter image(g.printerDpiX, g.printerDpiY, g.page);
    PrinterDevice* printer = target.pdf ? static_cast<PrinterDevice*>(&pdf) : &image;
    BatchProgress progress(isatty(fileno(stderr)) != 0, batch.sheets);
    QElapsedTimer clock;
    clock.start();
    for (qint32 sheet = 0; sheet < batch.sheets; ++sheet) {
        const auto problems = problemsFrom(options, input.generator, batch.seedOf(sheet));
        if (!problems)
            return 3;
        // Each sheet is composed as a fresh run composes it: a page's layout depends on the
        // pages composed before it in the same preview.
        WorksheetSession session(prompts, printer, input.setup);
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
            const bool answersBeside = m == SheetComposer::Answers && modes.size() == 2;
            const QString name = sheetImageName(target.output, sheet, batch.sheets, answersBeside);
            const int quality = qBound(1, int(session.doc.CQuality), 100);
            if (!writePageImage(session.doc.engine.Image1, name, target.imageFormat, quality, prompts))
                return 1;
        }
        writeToStderr(progress.after(sheet + 1, clock.elapsed()));
    }
    writeToStderr(progress.finish());
    if (target.pdf && !pdf.write(target.output, pdfPageOrder(batch, qsizetype(modes.size())))) {
        prompts.message(QStringLiteral("Cannot write file \"%1\".").arg(target.output), Prompts::Icon::Error);
        return 1;
    }
    return 0;
}

} // namespace veridi::sheettool
