// The furniture drawn around the command lists: the four page strings, the page note line, and
// the grid and ruler of the 1:1 view.
#include "CommandLine.h"
#include "DrawEngine.h"

#include <cmath>

namespace veridi {

TPageStr& DrawEngine::pageStr(PageStrKind kind) {
    switch (kind) {
    case PageStrKind::Header:
        return Header;
    case PageStrKind::Footer:
        return Footer;
    case PageStrKind::PageTitle:
        return PageTitle;
    default:
        return SubTitle;
    }
}

void DrawEngine::drawPageStr(TPageStr& P, PageStrKind kind) {
    if (P.psDrawn || P.psStr.isEmpty())
        return;
    // A header needs a positive mode; the others are left out by mode 0 only.
    if (kind == PageStrKind::Header ? P.psPos <= 0 : P.psPos == 0)
        return;
    SelectPageStrFont(P.psName, P.psSize, P.psBold, P.psItalic);
    Real x = 0;
    Real y = 0;
    if (P.psPos < 4) {
        x = AlignPageStrX(P.psPos, GetWidth(P.psStr));
        switch (kind) {
        case PageStrKind::Header:
            y = 0;
            break;
        case PageStrKind::Footer:
            // Counted from the bottom edge: the footer stands on the page note line.
            y = -(GetHeight(P.psStr) + (PageNote.psStr.isEmpty() ? 0 : pageNoteHeight_));
            break;
        default:
            y = headerBottom_;
            break;
        }
    } else {
        const std::optional<Real> px = parseReal(P.psX);
        const std::optional<Real> py = parseReal(P.psY);
        if (!px || !py)
            return;
        x = *px;
        y = *py;
    }
    if (kind == PageStrKind::Header)
        headerBottom_ = GetHeight(P.psStr) + y;
    drawText(UnitToDeviceX(x), UnitToDeviceY(y), P.psStr);
    P.psDrawn = true;
}

void DrawEngine::DrawHeader() {
    drawPageStr(Header, PageStrKind::Header);
}

void DrawEngine::DrawFooter() {
    drawPageStr(Footer, PageStrKind::Footer);
}

void DrawEngine::DrawPageTitle() {
    drawPageStr(PageTitle, PageStrKind::PageTitle);
}

void DrawEngine::DrawSubTitle() {
    drawPageStr(SubTitle, PageStrKind::SubTitle);
}

void DrawEngine::DrawPageNote() {
    pageNoteHeight_ = 0;
    if (PageNote.psStr.isEmpty())
        return;
    targetCanvas().font.color = Qt::black;
    SelectPageStrFont(PageNote.psName, PageNote.psSize, PageNote.psBold, PageNote.psItalic);
    const Real h = GetHeight(PageNote.psStr);
    pageNoteHeight_ = h;
    // Its lower edge on the bottom edge of the page.
    drawText(UnitToDeviceX(0), UnitToDeviceY(-h), PageNote.psStr);
}

namespace {
struct RulerSteps {
    Real step;
    Real major;
    Real first;
};

RulerSteps rulerSteps(qint32 unit) {
    switch (unit) {
    case 1:
        return {1, 5, 0};
    case 2:
        return {10, 50, 0};
    default:
        return {100, 500, 100};
    }
}
} // namespace

// Lines beyond the page image cannot be seen, so the loops end there: a page extent that is
// absurdly large (or infinite, without printer facts) never makes them run long.
void DrawEngine::DrawMesh() {
    if (PageView != 1)
        return;
    CanvasState& canvas = targetCanvas();
    canvas.penStyle = Qt::DotLine;
    canvas.penColor = QColor(0, 255, 0);
    const Real step = rulerSteps(UnitType).step;
    for (Real p = step; p < unitPageWidth(); p += step) {
        const qint32 x = UnitToDeviceX(p);
        if (x > Image1.width())
            break;
        drawLine(x, 0, x, Image1.height());
    }
    for (Real p = step; p < unitPageHeight(); p += step) {
        const qint32 y = UnitToDeviceY(p);
        if (y > Image1.height())
            break;
        drawLine(0, y, Image1.width(), y);
    }
}

void DrawEngine::DrawScale() {
    if (PageView != 1)
        return;
    CanvasState& canvas = targetCanvas();
    canvas.penStyle = Qt::SolidLine;
    canvas.penColor = QColor(0, 128, 0);
    const RulerSteps steps = rulerSteps(UnitType);
    auto tick = [&](Real p) { return std::fmod(p, steps.major) == 0 ? 10 : 4; };
    for (Real p = steps.first; p < unitPageWidth(); p += steps.step) {
        const qint32 x = UnitToDeviceX(p);
        if (x > Image1.width())
            break;
        drawLine(x, 0, x, tick(p));
    }
    for (Real p = steps.first; p < unitPageHeight(); p += steps.step) {
        const qint32 y = UnitToDeviceY(p);
        if (y > Image1.height())
            break;
        drawLine(0, y, tick(p), y);
    }
}

} // namespace veridi
