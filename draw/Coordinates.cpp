// The coordinate model: page coordinates in the drawing unit to device pixels of the target,
// with negative values counting from the far edge, and texts measured in the drawing unit.
#include "DrawEngine.h"
#include "TextPainting.h"

#include <cmath>

namespace veridi {

namespace {
constexpr Real mmPerInch = 25.4L;

enum Unit { Pixel = 0, Inch = 1, Mm = 2 };

bool isKnownUnit(qint32 unit) {
    return unit == Pixel || unit == Inch || unit == Mm;
}
} // namespace

qint32 truncateReal(Real v) {
    if (std::isnan(v))
        return 0;
    if (v >= Real(INT32_MAX))
        return INT32_MAX;
    if (v <= Real(INT32_MIN))
        return INT32_MIN;
    // Truncating the extended real itself switches the x87 rounding mode, which costs more than
    // the rest of a command's reading. The nearest double is within far less than 1 of it, so
    // its cheap truncation is off by at most one, and the comparison mends that exactly.
    auto t = static_cast<qint64>(static_cast<double>(v));
    if (v >= 0 && Real(t) > v)
        --t;
    else if (v < 0 && Real(t) < v)
        ++t;
    return static_cast<qint32>(t);
}

qint32 RoundOff(Real v) {
    return truncateReal(v >= 0 ? v + 0.5L : v - 0.5L);
}

qint32 DrawEngine::targetFontDpi() const {
    // Fonts are realised at the screen's resolution on the page image and at the printer's
    // vertical resolution on the printer page.
    return onPrinter() ? PrinterResY : MonitorRes;
}

Real DrawEngine::unitPageWidth() const {
    switch (UnitType) {
    case Inch:
        return Real(PageW) / PrinterResX;
    case Mm:
        return PageW * mmPerInch / PrinterResX;
    default: // pixel units, and units no menu offers: device dots
        return PageW;
    }
}

Real DrawEngine::unitPageHeight() const {
    switch (UnitType) {
    case Inch:
        return Real(PageH) / PrinterResY;
    case Mm:
        return PageH * mmPerInch / PrinterResY;
    default:
        return PageH;
    }
}

Real DrawEngine::Get_UnitWidth() const {
    return unitPageWidth();
}

Real DrawEngine::Get_UnitHeight() const {
    return unitPageHeight();
}

// A coordinate in the drawing unit as device pixels of the target along one axis: negative
// values count from the far edge of the page, whose extent (in the unit) is given.
qint32 DrawEngine::unitToDevice(Real v, Real pageExtent, qint32 printerRes) const {
    if (!isKnownUnit(UnitType))
        return RoundOff(v);
    if (v < 0)
        v += pageExtent;
    const qint32 dpi = onPrinter() ? printerRes : MonitorRes;
    switch (UnitType) {
    case Pixel:
        return RoundOff(onPrinter() ? v : v * MonitorRes / printerRes);
    case Inch:
        return RoundOff(v * dpi);
    default:
        return RoundOff(v * dpi / mmPerInch);
    }
}

qint32 DrawEngine::UnitToDeviceX(Real x) const {
    return unitToDevice(x, unitPageWidth(), PrinterResX);
}

qint32 DrawEngine::UnitToDeviceY(Real y) const {
    return unitToDevice(y, unitPageHeight(), PrinterResY);
}

Real DrawEngine::GetWidth(const QString& ps) const {
    if (!isKnownUnit(UnitType) || UnitType == Pixel)
        return textWidth(fonts_.get(PrinterCanvas.font, PrinterResY), ps);
    const qint32 width = textWidth(fonts_.get(targetCanvas().font, targetFontDpi()), ps);
    const Real inches = Real(width) / (onPrinter() ? PrinterResX : MonitorRes);
    return UnitType == Mm ? inches * mmPerInch : inches;
}

Real DrawEngine::GetHeight(const QString&) const {
    // A one-line text is as high as its font's line, whatever its characters.
    if (!isKnownUnit(UnitType) || UnitType == Pixel)
        return lineHeight(fonts_.get(PrinterCanvas.font, PrinterResY)) + 1;
    const qint32 height = lineHeight(fonts_.get(targetCanvas().font, targetFontDpi()));
    const Real inches = Real(height) / (onPrinter() ? PrinterResY : MonitorRes);
    return UnitType == Mm ? inches * mmPerInch : inches;
}

void DrawEngine::SetFontSets(const DrawFont& v) {
    ImageCanvas.font = v;
    PrinterCanvas.font = v;
}

void DrawEngine::SetPageStr2Font(const TPageStr& ps, DrawFont& rFont) {
    rFont.name = ps.psName;
    rFont.size = ps.psSize;
    rFont.bold = ps.psBold;
    rFont.italic = ps.psItalic;
}

void DrawEngine::SelectPageStrFont(const QString& name, qint32 size, bool bold, bool italic) {
    DrawFont& font = ImageCanvas.font;
    font.name = name;
    font.size = size;
    font.bold = bold;
    font.italic = italic;
    PrinterCanvas.font = font;
}

Real DrawEngine::AlignPageStrX(qint32 mode, Real w) const {
    switch (mode) {
    case 1:
        return 0;
    case 2:
        return -w;
    case 3: {
        Real page;
        if (!onPrinter() && (UnitType == Inch || UnitType == Mm))
            page = Real(Image1.width()) / MonitorRes * (UnitType == Mm ? mmPerInch : 1);
        else if (UnitType == Pixel)
            page = PageW;
        else
            page = Real(PageW) / PrinterResX * (UnitType == Mm ? mmPerInch : 1);
        return (page - w) / 2;
    }
    default:
        return 0;
    }
}

} // namespace veridi
