#include "Options.h"
#include "PageGeometry.h"
#include "PageImageOutput.h"
#include "StderrPrompts.h"
#include "Subcommands.h"

#include "DrawEngine.h"
#include "ImagePrinter.h"
#include "ListSources.h"

#include <QImage>

namespace veridi::sheettool {
namespace {

struct DrawRequest {
    QString listFile;
    QString output;
    QString outputFormat; // "png", "bmp" or "jpg"
    int quality = 90;
    bool printerTarget = false;
    PageGeometry geometry;
    bool grid = false;
    bool ruler = false;
    QString note;
};

DrawRequest requestFrom(const QStringList& args) {
    std::set<QString> valued = pageGeometryOptions();
    valued.insert({QStringLiteral("output"), QStringLiteral("quality"), QStringLiteral("target"),
                   QStringLiteral("note")});
    const Options options(withLongOutputOption(args), valued,
                          {QStringLiteral("grid"), QStringLiteral("ruler")});
    if (options.positional().isEmpty())
        throw UsageError(QStringLiteral("the command file is missing"));
    if (options.positional().size() > 1)
        throw UsageError(QStringLiteral("unexpected argument %1").arg(options.positional()[1]));
    DrawRequest request;
    request.listFile = options.positional().first();
    request.output = options.value(QStringLiteral("output")).value_or(QString());
    if (request.output.isEmpty())
        throw UsageError(QStringLiteral("-o OUT is missing"));
    const auto format = imageFormatOf(request.output);
    if (!format)
        throw UsageError(
            QStringLiteral("-o: %1 does not end in .png, .bmp, .jpg or .jpeg").arg(request.output));
    request.outputFormat = *format;
    request.quality = options.integer(QStringLiteral("quality"), 1, 100).value_or(90);
    request.printerTarget =
        options.choice(QStringLiteral("target"), {u"screen"_qs, u"printer"_qs}).value_or(u"screen"_qs) ==
        u"printer";
    request.geometry = pageGeometryFrom(options);
    request.grid = options.has(QStringLiteral("grid"));
    request.ruler = options.has(QStringLiteral("ruler"));
    request.note = options.value(QStringLiteral("note")).value_or(QString());
    return request;
}

} // namespace

int runDraw(const QStringList& args) {
    const DrawRequest request = requestFrom(args);
    StderrPrompts prompts;
    const PageGeometry& g = request.geometry;
    ImagePrinter printer(g.printerDpiX, g.printerDpiY, g.page);
    DrawEngine engine(prompts, &printer, g.screenDpi);
    engine.UnitType = g.unitType.value_or(2);
    engine.fMesh = request.grid ? 1 : 0;
    engine.fScale = request.ruler ? 1 : 0;
    engine.SetCopyright(request.note);
    // As the preview window shows itself: the page image at screen resolution, then the file
    // list read afresh. The printer target draws on the printer's page alone, so the page image
    // is not made beside it: a draw holds one large image.
    engine.Visible = true;
    if (!request.printerTarget) {
        const QSize pageImage = engine.oneToOneSize();
        engine.SetImageSize(pageImage.width(), pageImage.height());
    }
    ListSources sources(engine, prompts);
    sources.ListIniFile = request.listFile;
    if (!sources.LoadListByFile())
        return 1;

    QImage page;
    if (request.printerTarget) {
        engine.nTgtCanvas = 0;
        try {
            engine.DrawGraphics();
        } catch (const PrintJobError& error) {
            prompts.message(QString::fromUtf8(error.what()), Prompts::Icon::Error);
            return 1;
        }
        if (!printer.pages().empty())
            page = printer.pages().back();
    } else {
        engine.DrawGraphics();
        page = engine.Image1;
    }
    if (page.isNull()) {
        prompts.message(QStringLiteral("The page could not be drawn."), Prompts::Icon::Error);
        return 1;
    }
    return writePageImage(page, request.output, request.outputFormat, request.quality, prompts) ? 0 : 1;
}

} // namespace veridi::sheettool
