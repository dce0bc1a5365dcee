#pragma once

#include "Printer.h"

#include <QImage>

#include <vector>

namespace veridi {

// A printer whose page is an image at the printer's resolution: the printer target of the
// command-line tool, and the fake printer of the tests.
class ImagePrinter : public PrinterDevice {
public:
    ImagePrinter(int dpiX, int dpiY, QSize printableSize);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    QSize printableSize() const override { return size_; }
    QPaintDevice* beginJob() override;
    void endJob() override;

    // Every page printed so far, in order.
    const std::vector<QImage>& pages() const { return pages_; }

private:
    int dpiX_;
    int dpiY_;
    QSize size_;
    QImage current_;
    std::vector<QImage> pages_;
};

} // namespace veridi
