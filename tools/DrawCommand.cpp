#include "Options.h"
#include "StderrPrompts.h"
#include "Subcommands.h"

#include "DrawEngine.h"
#include "FileError.h"
#include "ImageFileWriter.h"
#include "ImagePrinter.h"
#include "JpegWriter.h"
#include "ListSources.h"
#include "NumberText.h"

#include <QFileInfo>
#include <QImage>

namespace veridi::sheettool {
namespace {

// Resolutions and page sizes beyond these are typing errors, and would ask for page images
// no machine can hold.
constexpr qint32 kMaxDpi = 9600;
constexpr qint32 kMaxImageSide = 32767;
constexpr qint64 kMaxImagePixels = 250'000'000;

struct DrawRequest {
    QString listFile;
    QString output;
    QString outputFormat; // "png", "bmp" or "jpg"
    int quality = 90;
    qint32 unitType = 2;
    bool printerTarget = false;
    qint32 screenDpi = 96;
    qint32 printerDpiX = 600;
    qint32 printerDpiY = 600;
    QSize page{4760, 6814};
    bool grid = false;
    bool ruler = false;
    QString note;
};

// "-o OUT" is the one short option; the option parser knows long ones only.
QStringList withLongOutputOption(QStringList args) {
    for (QString& arg : args)
        if (arg == u"-o")
            arg = QStringLiteral("--output");
    return args;
}

QString outputFormatOf(const QString& output) {
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == u"png" || suffix == u"bmp")
        return suffix;
    if (suffix == u"jpg" || suffix == u"jpeg")
        return QStringLiteral("jpg");
    throw UsageError(QStringLiteral("-o: %1 does not end in .png, .bmp, .jpg or .jpeg").arg(output));
}

qint32 dotsValue(const QString& option, const QString& text, qint32 high) {
    const auto value = parseInteger32(text);
    if (!value || *value < 1 || *value > high)
        throw UsageError(
            QStringLiteral("--%1: %2 is not a whole number from 1 to %3").arg(option, text).arg(high));
    return *value;
}

// "X" or "X:Y".
std::pair<qint32, qint32> pairValue(const QString& option, const QString& text, qint32 high,
                                    bool secondOptional) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        if (!secondOptional)
            throw UsageError(QStringLiteral("--%1: %2 is not W:H").arg(option, text));
        const qint32 both = dotsValue(option, text, high);
        return {both, both};
    }
    return {dotsValue(option, text.left(colon), high), dotsValue(option, text.mid(colon + 1), high)};
}

DrawRequest requestFrom(const QStringList& args) {
    const Options options(withLongOutputOption(args),
                          {QStringLiteral("output"), QStringLiteral("quality"), QStringLiteral("unit"),
                           QStringLiteral("target"), QStringLiteral("screen-dpi"),
                           QStringLiteral("printer-dpi"), QStringLiteral("page"), QStringLiteral("note")},
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
    request.outputFormat = outputFormatOf(request.output);
    request.quality = options.integer(QStringLiteral("quality"), 1, 100).value_or(90);
    const QString unit =
        options.choice(QStringLiteral("unit"), {u"pixel"_qs, u"inch"_qs, u"mm"_qs}).value_or(u"mm"_qs);
    request.unitType = unit == u"pixel" ? 0 : unit == u"inch" ? 1 : 2;
    request.printerTarget =
        options.choice(QStringLiteral("target"), {u"screen"_qs, u"printer"_qs}).value_or(u"screen"_qs) ==
        u"printer";
    request.screenDpi = options.integer(QStringLiteral("screen-dpi"), 1, kMaxDpi).value_or(96);
    if (const auto dpi = options.value(QStringLiteral("printer-dpi")))
        std::tie(request.printerDpiX, request.printerDpiY) =
            pairValue(u"printer-dpi"_qs, *dpi, kMaxDpi, true);
    if (const auto page = options.value(QStringLiteral("page"))) {
        const auto [w, h] = pairValue(u"page"_qs, *page, kMaxImageSide, false);
        request.page = QSize(w, h);
    }
    // The page image on screen is the printer page scaled by the ratio of the resolutions.
    const qint64 screenW = qint64(request.page.width()) * request.screenDpi / request.printerDpiX;
    const qint64 screenH = qint64(request.page.height()) * request.screenDpi / request.printerDpiY;
    if (qint64(request.page.width()) * request.page.height() > kMaxImagePixels || screenW > kMaxImageSide ||
        screenH > kMaxImageSide || screenW * screenH > kMaxImagePixels)
        throw UsageError(QStringLiteral("--page: the page image would be too large to draw"));
    request.grid = options.has(QStringLiteral("grid"));
    request.ruler = options.has(QStringLiteral("ruler"));
    request.note = options.value(QStringLiteral("note")).value_or(QString());
    return request;
}

bool writeImage(const QImage& image, const DrawRequest& request, Prompts& prompts) {
    try {
        if (request.outputFormat == u"jpg") {
            writeJpegFile(image, request.output, request.quality);
        } else {
            writeImageFile(image, request.output, request.outputFormat == u"png" ? "PNG" : "BMP");
        }
        return true;
    } catch (const FileError& error) {
        prompts.message(error.text(), Prompts::Icon::Error);
        return false;
    }
}

} // namespace

int runDraw(const QStringList& args) {
    const DrawRequest request = requestFrom(args);
    StderrPrompts prompts;
    ImagePrinter printer(request.printerDpiX, request.printerDpiY, request.page);
    DrawEngine engine(prompts, &printer, request.screenDpi);
    engine.UnitType = request.unitType;
    engine.fMesh = request.grid ? 1 : 0;
    engine.fScale = request.ruler ? 1 : 0;
    engine.SetCopyright(request.note);
    // As the preview window shows itself: the page image at screen resolution, then the file
    // list read afresh.
    engine.Visible = true;
    engine.SetImageSize(qint32(engine.PageW / engine.RatioX), qint32(engine.PageH / engine.RatioY));
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
    return writeImage(page, request, prompts) ? 0 : 1;
}

} // namespace veridi::sheettool
