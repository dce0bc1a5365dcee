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
#include "PdfStreamPrinter.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>
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

// The passes over the sheets, each naming the pages it puts out. A page is put out as soon as it
// is composed, so with the answers at the end of a PDF a second pass composes every sheet again:
// the answers page is laid out after its problems page, as in a single run.
std::vector<std::vector<SheetComposer::Mode>> passesOf(const std::vector<SheetComposer::Mode>& modes,
                                                       bool answersAtEnd) {
    if (!answersAtEnd)
        return {modes};
    std::vector<std::vector<SheetComposer::Mode>> passes;
    passes.reserve(modes.size());
    for (const SheetComposer::Mode m : modes)
        passes.push_back({m});
    return passes;
}

// Composes the sheets of a batch and puts out their pages: into the PDF, or as image files.
class SheetRenderer {
public:
    SheetRenderer(const Options& options, const SheetInput& input, const RenderTarget& target,
                  const SheetBatch& batch, std::vector<SheetComposer::Mode> modes)
        : options_(options), input_(input), target_(target), batch_(batch), modes_(std::move(modes)),
          image_(input.geometry.printerDpiX, input.geometry.printerDpiY, input.geometry.page) {
        if (target.pdf)
            pdf_.emplace(target.output);
    }

    // The exit status: 0, 1 for a failure reported on stderr, 3 when the generator's question was
    // answered no.
    int run() {
        if (pdf_ && !pdf_->isOpen())
            return cannotWrite();
        const auto passes = passesOf(modes_, batch_.answersAtEnd);
        BatchProgress progress(isatty(fileno(stderr)) != 0, batch_.sheets * qint32(passes.size()));
        QElapsedTimer clock;
        clock.start();
        qint32 done = 0;
        for (const auto& pass : passes)
            for (qint32 sheet = 0; sheet < batch_.sheets; ++sheet) {
                if (const int status = renderSheet(sheet, pass))
                    return status;
                writeToStderr(progress.after(++done, clock.elapsed()));
            }
        writeToStderr(progress.finish());
        if (pdf_ && !pdf_->finish())
            return cannotWrite();
        return 0;
    }

private:
    int renderSheet(qint32 sheet, const std::vector<SheetComposer::Mode>& output) {
        const auto problems = problemsFrom(options_, input_.generator, batch_.seedOf(sheet));
        if (!problems)
            return 3;
        // Each sheet is composed as a fresh run composes it: a page's layout depends on the
        // pages composed before it in the same preview.
        WorksheetSession session(prompts_, pdf_ ? static_cast<PrinterDevice*>(&*pdf_) : &image_,
                                 input_.setup);
        if (!session.ready())
            return 1;
        // A PDF's pages are printed only; the page image nobody sees is not drawn.
        session.doc.engine.DrawsPageImage = !pdf_;
        for (const SheetComposer::Mode m : modes_) {
            session.compose(m, *problems);
            if (std::find(output.begin(), output.end(), m) == output.end())
                continue;
            if (!putOut(session, m, sheet))
                return 1;
            if (m == output.back())
                break;
        }
        return 0;
    }

    bool putOut(WorksheetSession& session, SheetComposer::Mode m, qint32 sheet) {
        if (pdf_) {
            try {
                session.doc.PrintOut();
                return true;
            } catch (const PrintJobError& error) {
                prompts_.message(QString::fromUtf8(error.what()), Prompts::Icon::Error);
                return false;
            }
        }
        const bool answersBeside = m == SheetComposer::Answers && modes_.size() == 2;
        const QString name = sheetImageName(target_.output, sheet, batch_.sheets, answersBeside);
        const int quality = qBound(1, int(session.doc.CQuality), 100);
        return writePageImage(session.doc.engine.Image1, name, target_.imageFormat, quality, prompts_);
    }

    int cannotWrite() {
        prompts_.message(QStringLiteral("Cannot write file \"%1\".").arg(target_.output),
                         Prompts::Icon::Error);
        return 1;
    }

    const Options& options_;
    const SheetInput& input_;
    const RenderTarget& target_;
    const SheetBatch& batch_;
    const std::vector<SheetComposer::Mode> modes_;
    StderrPrompts prompts_;
    std::optional<PdfStreamPrinter> pdf_;
    ImagePrinter image_;
};

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

    if (batch.reported)
        StderrPrompts().message(seedsLine(batch), Prompts::Icon::Information);
    return SheetRenderer(options, input, target, batch, modes).run();
}

} // namespace veridi::sheettool
