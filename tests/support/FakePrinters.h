#pragma once

#include "ImagePrinter.h"

namespace veridi::test {

// A system without any usable printer.
class NoPrinter : public PrinterDevice {
public:
    int dpiX() const override { throw NoPrinterError(); }
    int dpiY() const override { throw NoPrinterError(); }
    QSize printableSize() const override { throw NoPrinterError(); }
    QPaintDevice* beginJob() override { throw NoPrinterError(); }
    void endJob() override { throw NoPrinterError(); }
};

// A printer whose jobs fail to start.
class FailingPrinter : public ImagePrinter {
public:
    FailingPrinter() : ImagePrinter(600, 600, QSize(4760, 6814)) {}
    QPaintDevice* beginJob() override { throw PrintJobError("the printer is out of paper"); }
};

} // namespace veridi::test
