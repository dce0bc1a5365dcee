#include "DrawEngine.h"

#include "ImageMemory.h"
#include "Printer.h"
#include "Prompts.h"

namespace veridi {

namespace {

const QString pageNoteFace = QStringLiteral("ＭＳ Ｐ明朝");

void makeBlankImage(QImage& image, qint32 width, qint32 height, qint32 dpi, bool blank = true) {
    // A size beyond the image limit, or one the platform cannot hold, leaves no image; drawing
    // then skips the screen.
    const QSize size(width, height);
    image = imageSizeAllowed(size, QImage::Format_RGB32) ? QImage(size, QImage::Format_RGB32) : QImage();
    if (image.isNull())
        return;
    if (blank)
        image.fill(Qt::white);
    if (dpi > 0) {
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
    }
}

} // namespace

DrawEngine::DrawEngine(Prompts& prompts, PrinterDevice* printer, qint32 monitorRes)
    : MonitorRes(monitorRes), prompts_(prompts), printer_(printer) {
    PageNote.psPos = 4;
    PageNote.psX = QStringLiteral("0");
    PageNote.psName = pageNoteFace;
    PageNote.psSize = 12;
    // Until a drawing or the composer sets them, both targets measure in the reset font.
    ImageCanvas.font.name = QStringLiteral("ＭＳ Ｐゴシック");
    PrinterCanvas.font = ImageCanvas.font;
    GetPrinterRes();
    if (ErrorNum < 0)
        GetPageSize();
}

void DrawEngine::GetPrinterRes() {
    try {
        if (!printer_)
            throw NoPrinterError();
        const qint32 x = printer_->dpiX();
        const qint32 y = printer_->dpiY();
        PrinterResX = x;
        PrinterResY = y;
        RatioX = Real(PrinterResX) / MonitorRes;
        RatioY = Real(PrinterResY) / MonitorRes;
    } catch (const NoPrinterError&) {
        prompts_.message(QStringLiteral("デフォルトのプリンタの設定を確認下さい"));
        ErrorNum = 1;
    }
}

void DrawEngine::GetPageSize() {
    if (!printer_)
        throw NoPrinterError();
    const QSize size = printer_->printableSize();
    PageW = size.width();
    PageH = size.height();
}

qint32 DrawEngine::screenTargetOfView() const {
    // A view mode from an edited settings file must not turn screen redraws into print jobs.
    return PageView == 2 ? 2 : 1;
}

QSize DrawEngine::oneToOneSize() const {
    if (!(RatioX > 0 && RatioY > 0))
        return {0, 0};
    return {truncateReal(Real(PageW) / RatioX), truncateReal(Real(PageH) / RatioY)};
}

void DrawEngine::SetImageSize(qint32 width, qint32 height) {
    // An image nobody draws on or looks at only gives the page its size; whitening it would be
    // wasted on every page of a long print run.
    makeBlankImage(Image1, width, height, MonitorRes, DrawsPageImage);
    nTgtCanvas = screenTargetOfView();
}

void DrawEngine::SetPageImageSize(qint32 width, qint32 height) {
    makeBlankImage(Image2, width, height, MonitorRes);
    nTgtCanvas = screenTargetOfView();
}

} // namespace veridi
