#include "PdfPrinter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace veridi {
QPageLayout PdfPrinter::pageLayout() {
    const qreal insetMm = PdfPrinter::kInsetDots * 25.4 / PdfPrinter::kDpi;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(insetMm, insetMm, insetMm, insetMm), QPageLayout::Millimeter);
}

PdfPrinter::PdfPrinter() = default;

QSize PdfPrinter::printableSize() const {
    return pageLayout().paintRectPixels(kDpi).size();
}

QPaintDevice* PdfPrinter::beginJob() {
    current_ = QPicture();
    return &current_;
}

void PdfPrinter::endJob() {
    pages_.push_back(current_);
    current_ = QPicture();
}

bool PdfPrinter::write(const QString& path) const {
    if (pages_.empty() || QFileInfo(path).isDir())
        return false;
    QPdfWriter writer(path);
    writer.setResolution(kDpi);
    writer.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    for (size_t i = 0; i < pages_.size(); ++i) {
        if (i > 0)
            writer.newPage();
        // A picture replays scaled from the resolution it was recorded at; the page was drawn
        // in printer dots already, so that scaling is undone.
        const QPicture& page = pages_[i];
        painter.save();
        painter.scale(qreal(page.logicalDpiX()) / writer.logicalDpiX(),
                      qreal(page.logicalDpiY()) / writer.logicalDpiY());
        painter.drawPicture(0, 0, page);
        painter.restore();
    }
    return painter.end();
}

} // namespace veridi
