#pragma once

#include "DrawEngine.h"
#include "IniFile.h"
#include "ListSources.h"

#include <QSize>

#include <array>
#include <optional>

namespace veridi {

class PrinterDevice;
class Prompts;

// Everything the preview window does apart from its controls: the engine with its lists and
// page strings, the preview's settings, the show steps, the views, printer setup and printing.
// The window adds menus and images around it; veridi-sheet uses it without a window.
class PreviewDocument {
public:
    // The creation steps: the printer check, then (only when it succeeded) the preview's
    // settings and its four page strings from the settings file, and the page size.
    PreviewDocument(Prompts& prompts, PrinterDevice* printer, qint32 monitorRes, IniFile settings);

    DrawEngine engine;
    ListSources sources;
    qint32 LimitLevel = 0;
    quint8 CQuality = 90;
    // Check marks of the page string items (header, footer, title, subtitle) after loading.
    std::array<bool, 4> pageStrTicks{};

    bool ready() const { return engine.ErrorNum < 0; }
    bool settingsRead() const { return settingsRead_; }

    // Writes the six settings and the four page strings back, only if they were read at creation.
    void saveSettings();

    // The show steps that are not the window's: the page image at the page's size, the fitted
    // page-view image, the file list read afresh, the printer check again, the manual and
    // program lists emptied. Nothing while the preview is disabled.
    void Show(QSize clientSize);
    // The page-view image size for a client area (extended precision, truncated).
    static QSize pageViewFit(QSize clientSize, qint32 pageW, qint32 pageH);

    // "１：１表示(&W)": no redraw, no resizing.
    void showOneToOne();
    // "ページ(&G)": the page-view image fitted anew, then drawn.
    void showWholePage(QSize clientSize);
    void toggleScale();
    void toggleMesh();
    void setUnit(qint32 unitType);
    // A redraw after the window was resized.
    void resized();
    // The resize guard: whether a scratch bitmap for the current view can be made.
    bool resizeAllowed(QSize clientSize) const;

    // The page image the user sees: the full page in the 1:1 view, the reduced one in the page view.
    const QImage& visibleImage() const;
    // Writes the visible image: JPEG at CQuality for a name ending in .jpg or .jpeg (any case),
    // BMP for every other name. Throws FileError when the file cannot be written.
    void saveImage(const QString& fileName) const;
    // Takes a typed JPEG quality; the message to show when it is refused.
    std::optional<QString> setQuality(const QString& typed);

    // Printer setup after the printer dialog: facts read again, a new 1:1 image, a redraw.
    // Returns the new caption.
    QString SetPrinter();
    // One print job of the page; the drawing target is restored even when printing fails.
    void PrintOut();

private:
    void LoadPrevSettings();
    void SavePrevSettings();

    IniFile settings_;
    bool settingsRead_ = false;
};

} // namespace veridi
