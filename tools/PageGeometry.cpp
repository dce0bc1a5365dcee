#include "PageGeometry.h"

#include "NumberText.h"

namespace veridi::sheettool {
namespace {

// Resolutions and page sizes beyond these are typing errors, and would ask for page images
// no machine can hold. A drawing holds one page image of four bytes a pixel (on screen or on
// the printer, never both), so the largest, 800 MB, keeps the whole run within 1 GB.
constexpr qint32 kMaxDpi = 9600;
constexpr qint32 kMaxImageSide = 32767;
constexpr qint64 kMaxImagePixels = 200'000'000;

qint32 dotsValue(const QString& option, const QString& text, qint32 high) {
    const auto value = parseInteger32(text);
    if (!value || *value < 1 || *value > high)
        throw UsageError(
            QStringLiteral("--%1: %2 is not a whole number from 1 to %3").arg(option, text).arg(high));
    return *value;
}

// "X" or "X:Y".
std::pair<qint32, qint32> pairValue(const QString& option, const QString& text, qint32 high,
                                    bool secondOptional) {
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        if (!secondOptional)
            throw UsageError(QStringLiteral("--%1: %2 is not W:H").arg(option, text));
        const qint32 both = dotsValue(option, text, high);
        return {both, both};
    }
    return {dotsValue(option, text.left(colon), high), dotsValue(option, text.mid(colon + 1), high)};
}

} // namespace

std::set<QString> pageGeometryOptions() {
    return {QStringLiteral("unit"), QStringLiteral("screen-dpi"), QStringLiteral("printer-dpi"),
            QStringLiteral("page")};
}

PageGeometry pageGeometryFrom(const Options& options) {
    PageGeometry g;
    if (const auto unit = options.choice(QStringLiteral("unit"), {u"pixel"_qs, u"inch"_qs, u"mm"_qs}))
        g.unitType = *unit == u"pixel" ? 0 : *unit == u"inch" ? 1 : 2;
    g.screenDpi = options.integer(QStringLiteral("screen-dpi"), 1, kMaxDpi).value_or(96);
    if (const auto dpi = options.value(QStringLiteral("printer-dpi")))
        std::tie(g.printerDpiX, g.printerDpiY) = pairValue(u"printer-dpi"_qs, *dpi, kMaxDpi, true);
    if (const auto page = options.value(QStringLiteral("page"))) {
        const auto [w, h] = pairValue(u"page"_qs, *page, kMaxImageSide, false);
        g.page = QSize(w, h);
    }
    g.printerGiven = options.has(QStringLiteral("printer-dpi")) || options.has(QStringLiteral("page"));
    // The page image on screen is the printer page scaled by the ratio of the resolutions.
    const qint64 screenW = qint64(g.page.width()) * g.screenDpi / g.printerDpiX;
    const qint64 screenH = qint64(g.page.height()) * g.screenDpi / g.printerDpiY;
    if (qint64(g.page.width()) * g.page.height() > kMaxImagePixels || screenW > kMaxImageSide ||
        screenH > kMaxImageSide || screenW * screenH > kMaxImagePixels)
        throw UsageError(QStringLiteral("--page: the page image would be too large to draw"));
    return g;
}

} // namespace veridi::sheettool
