#pragma once

#include "PdfPrinter.h"
#include "Printer.h"

#include <QPrinter>

#include <memory>

class QPrinterInfo;

namespace veridi {

class Prompts;

// A printer of the system, through Qt's print support; one page per job.
class QtPrinter : public PrinterDevice {
public:
    explicit QtPrinter(const QPrinterInfo& info);

    int dpiX() const override { return printer_.resolution(); }
    int dpiY() const override { return printer_.resolution(); }
    QSize printableSize() const override;
    QPaintDevice* beginJob() override;
    void endJob() override;

    QPrinter& qprinter() { return printer_; }

private:
    QPrinter printer_;
};

// When the system has no printer: each printed page becomes a PDF file the user names.
class PdfFilePrinter : public PdfPrinter {
public:
    explicit PdfFilePrinter(Prompts& prompts) : prompts_(prompts) {}
    void endJob() override;

private:
    Prompts& prompts_;
    QString lastName_;
};

// The system's default printer (or its first one), or the PDF printer when it has none.
std::unique_ptr<PrinterDevice> openSystemPrinter(Prompts& prompts);

} // namespace veridi
