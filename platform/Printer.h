#pragma once

#include <QPaintDevice>
#include <QSize>

#include <stdexcept>

namespace veridi {

// Raised when the system has no usable printer at all.
class NoPrinterError : public std::runtime_error {
public:
    NoPrinterError() : std::runtime_error("no usable printer") {}
};

// Raised when a print job cannot be started or finished.
class PrintJobError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printer as the drawing engine sees it: its resolution, the printable page in dots, and
// one page per job.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // The printable area in printer dots; the origin of every page coordinate is its top-left.
    virtual QSize printableSize() const = 0;

    // Starts a job and returns the device to paint its page on; throws PrintJobError.
    virtual QPaintDevice* beginJob() = 0;
    // Ends the job, which prints the page; throws PrintJobError.
    virtual void endJob() = 0;
};

} // namespace veridi
