#pragma once

#include "Printer.h"

#include <QPainter>
#include <QPdfWriter>

namespace veridi {

// A printer whose pages go straight into one PDF file as they are drawn: the same A4 page at
// 600 dots per inch as PdfPrinter's, without keeping the pages for later. One painter stays
// open on the file for the whole run; each job's painter draws through it, so fonts and the
// PDF's resources are set up once for all pages.
class PdfStreamPrinter : public PrinterDevice {
public:
    explicit PdfStreamPrinter(const QString& path);

    // False when the file cannot be written; no job may then be started.
    bool isOpen() const { return painter_.isActive(); }

    int dpiX() const override;
    int dpiY() const override;
    QSize printableSize() const override;
    QPaintDevice* beginJob() override;
    void endJob() override;

    // Ends the file; false when it could not be written or holds no page.
    bool finish();

private:
    // The page a job draws on: every painter begun on it draws through the file's painter,
    // starting from that painter's state and leaving it as it found it.
    class Page : public QPaintDevice {
    public:
        explicit Page(PdfStreamPrinter& printer) : printer_(printer) {}
        QPaintEngine* paintEngine() const override { return printer_.painter_.paintEngine(); }

    protected:
        int metric(PaintDeviceMetric metric) const override;
        QPainter* sharedPainter() const override { return &printer_.painter_; }

    private:
        PdfStreamPrinter& printer_;
    };

    QPdfWriter writer_;
    QPainter painter_;
    Page page_{*this};
    int pages_ = 0;
};

} // namespace veridi
