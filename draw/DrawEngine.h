#pragma once

#include "DrawTypes.h"
#include "PageStr.h"
#include "ParsedCommands.h"
#include "Picture.h"
#include "RealisedFonts.h"

#include <QImage>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <span>

class QPainter;

namespace veridi {

class Prompts;
class PrinterDevice;
class DrawBudget;

// The drawing command engine of the preview: it keeps the three command lists, the picture
// slots, the page strings and the printer and screen facts, offers the emitting operations
// through which pages are written as commands, and draws the lists onto the page image or the
// printer page. It has no window; the preview window adds the controls around it and sets
// Visible while it is shown.
class DrawEngine {
public:
    // Reads the printer's facts at once (GetPrinterRes, then GetPageSize when there is a
    // printer). A missing printer (null, or one raising NoPrinterError) shows its message and
    // leaves ErrorNum at 1.
    DrawEngine(Prompts& prompts, PrinterDevice* printer, qint32 monitorRes);
    DrawEngine(const DrawEngine&) = delete;
    DrawEngine& operator=(const DrawEngine&) = delete;

    // --- State ---

    qint32 ErrorNum = -1;  // -1 ready, 1 the printer check failed
    qint32 PageView = 1;   // 1 the 1:1 view, 2 the page view
    qint32 UnitType = 0;   // 0 pixel (printer dot), 1 inch, 2 mm
    qint32 nTgtCanvas = 1; // 0 printer, 1 page image, 2 page image reduced onto the page-view image
    qint32 fScale = 0;     // 1: ruler in the 1:1 view
    qint32 fMesh = 0;      // 1: grid in the 1:1 view
    qint32 PrinterResX = 0;
    qint32 PrinterResY = 0;
    qint32 MonitorRes = 0;
    Real RatioX = 0; // PrinterResX / MonitorRes
    Real RatioY = 0;
    qint32 PageW = 0; // printable page in printer dots
    qint32 PageH = 0;
    // The preview window is shown; nothing is drawn, not even on the printer, while it is not.
    bool Visible = false;
    // False when nobody looks at the page image, as when pages are only printed: every drawing
    // meant for it is skipped, and an image made while it is false is not even whitened.
    bool DrawsPageImage = true;

    QStringList ListByFile;    // the file list, drawn first (picture slots 0 to 4)
    QStringList ListByManual;  // the hand-typed list (slots 5 to 9)
    QStringList ListbyProgram; // the composer's list (slots 10 to 14)
    std::array<PictureSlot, 15> Bmp;

    TPageStr Header;
    TPageStr Footer;
    TPageStr PageTitle;
    TPageStr SubTitle;
    TPageStr PageStrTmp; // scratch copy while a page-string command runs
    TPageStr PageNote;   // the bottom line of every page; its text is set by SetCopyright

    // Text style flags of the interpreter, read by TEXTOUTANGLE.
    bool fBold = false;
    bool fItalic = false;
    bool fUnderline = false;
    bool fStrikeout = false;
    qint32 nfontsize = 9;         // points, recorded by FONTSIZE and INITPARAM
    qint32 nfontheight = 0;       // negative character height in device pixels of the target
    std::array<qint32, 200> Dx{}; // per-character advances of one pitched TEXTOUT

    QImage Image1; // the page image: the page at screen resolution
    QImage Image2; // the page-view image, Image1 reduced
    CanvasState PrinterCanvas;
    CanvasState ImageCanvas;

    // The name the save dialog of SaveList offers; it remembers the last name chosen.
    QString SaveName;
    // Called when a screen drawing has finished, so that a window can show the new page.
    std::function<void()> pageImageChanged;

    // --- Printer, screen and page images ---

    // Reads the printer's resolution and the ratios to the screen; on a missing printer shows
    // "デフォルトのプリンタの設定を確認下さい", sets ErrorNum to 1 and keeps the old values.
    void GetPrinterRes();
    // PageW and PageH from the printer's printable area.
    void GetPageSize();
    PrinterDevice* Printer() const { return printer_; }
    void setPrinterDevice(PrinterDevice* printer) { printer_ = printer; }
    // A new blank page image (or page-view image) of that size; the target follows the view:
    // the page-view image for view 2, the page image for any other view.
    void SetImageSize(qint32 width, qint32 height);
    void SetPageImageSize(qint32 width, qint32 height);
    // The 1:1 page image: the printable page at screen resolution (empty without printer facts).
    QSize oneToOneSize() const;
    qint32 Get_Width() const { return PageW; }
    qint32 Get_Height() const { return PageH; }

    // --- Emitting operations: each appends one line to the program list ---

    void PrevTextOut(Real X, Real Y, const QString& Ostr, const QString& Sw);
    void PrevTextOutAngle(Real X, Real Y, Real ang, const QString& Ostr);
    void PrevLine(Real X1, Real Y1, Real X2, Real Y2);
    void PrevColor(const QColor& C);
    void PrevFontColor(const QColor& C);
    void PrevBrushColor(const QColor& C);
    void PrevPenColor(const QColor& C);
    void PrevFontSize(qint32 sz);
    void PrevFontName(const QString& name);
    void PrevFontStyle(const QString& St);
    void PrevPenWidth(Real w);
    void PrevPenSize(qint32 w);
    void PrevPenStyle(const QString& St);
    void PrevPicture(const QString& fname, Real x1, Real y1, Real x2, Real y2);
    void PrevHeader(const QString& s, qint32 posnum, Real x, Real y);
    void PrevFooter(const QString& s, qint32 posnum, Real x, Real y);
    void PrevpageTitle(const QString& s, qint32 posnum, Real x, Real y);
    void PrevSubTitle(const QString& s, qint32 posnum, Real x, Real y);
    void PrevInit();

    // --- List operations ---

    void ClearProgramList();
    void ClearManualList();
    // Removes line idx of the manual list; an index outside the list changes nothing.
    void DeleteManualList(qint32 idx);
    // Asks for a file name and writes the manual list there as a command file.
    void SaveList();
    // The page note's text; an empty text suppresses the page note line.
    void SetCopyright(const QString& s);

    // --- Coordinate model and measurement ---

    qint32 UnitToDeviceX(Real x) const;
    qint32 UnitToDeviceY(Real y) const;
    Real Get_UnitWidth() const;
    Real Get_UnitHeight() const;
    // Width and height of a text in the drawing unit, in the current font of the target.
    Real GetWidth(const QString& ps) const;
    Real GetHeight(const QString& ps) const;
    // Makes v the current font of both targets.
    void SetFontSets(const DrawFont& v);
    // Face, size, bold and italic of a page string onto a font.
    static void SetPageStr2Font(const TPageStr& ps, DrawFont& rFont);
    void SelectPageStrFont(const QString& name, qint32 size, bool bold, bool italic);
    // Left x of a page string of width w for the position modes 1 (left), 2 (right), 3 (centred).
    Real AlignPageStrX(qint32 mode, Real w) const;

    // --- Page furniture ---

    void DrawHeader();
    void DrawFooter();
    void DrawPageTitle();
    void DrawSubTitle();
    void DrawPageNote();
    void DrawMesh();
    void DrawScale();

    // --- Interpreter ---

    // Draws the whole page on the current target: grid and ruler, page note, the three lists,
    // the page strings no command drew, the page note again. On the printer this is one job;
    // a PrintJobError of the printer reaches the caller. A call made while a drawing is still
    // running (from inside one of its messages) is ignored.
    void DrawGraphics();
    // Runs one list: 0 the file list, 1 the manual list, 2 the program list. Draws only inside
    // DrawGraphics.
    void RunCommandList(int list);
    void InitDrawParams();
    void DrawRotatedText(qint32 X, qint32 Y, const QString& text, qint32 angle);

    // The current canvas state and resolution of the target nTgtCanvas selects.
    CanvasState& targetCanvas() { return onPrinter() ? PrinterCanvas : ImageCanvas; }
    const CanvasState& targetCanvas() const { return onPrinter() ? PrinterCanvas : ImageCanvas; }

private:
    enum class PageStrKind { Header, Footer, PageTitle, SubTitle };

    bool onPrinter() const { return nTgtCanvas == 0; }
    qint32 screenTargetOfView() const;
    qint32 targetFontDpi() const;
    Real unitPageWidth() const;
    qint32 unitToDevice(Real v, Real pageExtent, qint32 printerRes) const;
    Real unitPageHeight() const;
    void drawPageStr(TPageStr& P, PageStrKind kind);
    TPageStr& pageStr(PageStrKind kind);
    // Text with its top-left corner at (x, y) in the target's font, colour and background.
    void drawText(qint32 x, qint32 y, const QString& text, std::span<const qint32> advances = {});
    void drawLine(qint32 x1, qint32 y1, qint32 x2, qint32 y2);
    // Runs one command; false when its line stops the list.
    bool runCommand(const ParsedCommands::Command& command, const CommandFields& fields, int& pictureSlot,
                    int lastSlot, DrawBudget& budget);
    bool runPageStrCommand(const CommandFields& fields, PageStrKind kind, DrawBudget& budget);
    qint32 targetLetterHeight() const;
    void drawPages(QPaintDevice& device);
    void appendProgram(const QStringList& fields);

    Prompts& prompts_;
    PrinterDevice* printer_;
    QPainter* painter_ = nullptr; // the target being drawn, only inside DrawGraphics
    Real headerBottom_ = 0;
    Real pageNoteHeight_ = 0;
    bool drawing_ = false;
    // Each list as last split into commands, made anew when the list's lines differ.
    std::array<std::shared_ptr<const ParsedCommands>, 3> parsedLists_;
    // Whether a list's drawing was cut short and that was said, once for its current lines.
    std::array<bool, 3> overBudgetSaid_{};
    mutable RealisedFonts fonts_; // mutable: measuring a text, which changes nothing, may realise a font
};

} // namespace veridi
