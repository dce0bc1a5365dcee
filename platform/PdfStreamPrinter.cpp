#include "PdfStreamPrinter.h"

#include "PdfPrinter.h"

#include <QFileInfo>

namespace veridi {

PdfStreamPrinter::PdfStreamPrinter(const QString& path) : writer_(path) {
    writer_.setResolution(PdfPrinter::kDpi);
    writer_.setPageLayout(PdfPrinter::pageLayout());
    if (!QFileInfo(path).isDir())
        painter_.begin(&writer_);
}

int PdfStreamPrinter::dpiX() const {
    return PdfPrinter::kDpi;
}

int PdfStreamPrinter::dpiY() const {
    return PdfPrinter::kDpi;
}

QSize PdfStreamPrinter::printableSize() const {
    return PdfPrinter::pageLayout().paintRectPixels(PdfPrinter::kDpi).size();
}

QPaintDevice* PdfStreamPrinter::beginJob() {
    if (!isOpen())
        throw PrintJobError("the PDF file cannot be written");
    // The file starts with a blank page, which the first job fills.
    if (pages_ > 0 && !writer_.newPage())
        throw PrintJobError("the PDF file cannot take another page");
    return &page_;
}

void PdfStreamPrinter::endJob() {
    ++pages_;
}

bool PdfStreamPrinter::finish() {
    return isOpen() && painter_.end() && pages_ > 0;
}

int PdfStreamPrinter::Page::metric(PaintDeviceMetric metric) const {
    const QPdfWriter& w = printer_.writer_;
    switch (metric) {
    case PdmWidth:
        return w.width();
    case PdmHeight:
        return w.height();
    case PdmWidthMM:
        return w.widthMM();
    case PdmHeightMM:
        return w.heightMM();
    case PdmNumColors:
        return w.colorCount();
    case PdmDepth:
        return w.depth();
    case PdmDpiX:
        return w.logicalDpiX();
    case PdmDpiY:
        return w.logicalDpiY();
    case PdmPhysicalDpiX:
        return w.physicalDpiX();
    case PdmPhysicalDpiY:
        return w.physicalDpiY();
    case PdmDevicePixelRatio:
        return int(w.devicePixelRatio());
    case PdmDevicePixelRatioScaled:
        return int(w.devicePixelRatio() * devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}

} // namespace veridi
