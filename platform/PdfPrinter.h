#pragma once

#include "Printer.h"

#include <QPageLayout>
#include <QPicture>

#include <vector>

namespace veridi {

// A printer whose pages become a PDF document: A4 at 600 dots per inch with a printable area
// inset like a real printer's. Each job records one page (as vector drawing, so text stays
// text); the recorded pages are written to a file together.
class PdfPrinter : public PrinterDevice {
public:
    static constexpr int kDpi = 600;
    static constexpr int kInsetDots = 100; // one sixth of an inch on every side

    PdfPrinter();

    // A4 portrait with the inset as its margins.
    static QPageLayout pageLayout();

    int dpiX() const override { return kDpi; }
    int dpiY() const override { return kDpi; }
    QSize printableSize() const override;
    QPaintDevice* beginJob() override;
    void endJob() override;

    qsizetype pageCount() const { return qsizetype(pages_.size()); }
    // Writes the recorded pages, in order, as one PDF file; false when it cannot be written.
    bool write(const QString& path) const;
    void clear() { pages_.clear(); }

private:
    QPicture current_;
    std::vector<QPicture> pages_;
};

} // namespace veridi
