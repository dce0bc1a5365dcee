#pragma once

#include "Options.h"

#include <QSize>

#include <optional>

namespace veridi::sheettool {

// The drawing unit, the resolutions and the printable page of the subcommands that draw or
// lay out a page: "--unit pixel|inch|mm", "--screen-dpi N", "--printer-dpi X[:Y]", "--page W:H".
struct PageGeometry {
    std::optional<qint32> unitType; // 0 pixel, 1 inch, 2 mm; unset when --unit is not given
    qint32 screenDpi = 96;
    qint32 printerDpiX = 600;
    qint32 printerDpiY = 600;
    QSize page{4760, 6814};    // printer dots
    bool printerGiven = false; // --printer-dpi or --page was given
};

std::set<QString> pageGeometryOptions();

// Throws UsageError for a value out of range, and for a page whose image at printer or at
// screen resolution would be too large to draw.
PageGeometry pageGeometryFrom(const Options& options);

} // namespace veridi::sheettool
