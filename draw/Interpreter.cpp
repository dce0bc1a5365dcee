// The interpreter: DrawGraphics prepares the target and runs the three command lists through
// one loop over each list's commands, which are split once for as long as the list stays the
// same. Unreadable numbers count as 0; only a missing field or a line of too many fields stops a
// list, for most commands after a message naming the command.
#include "CommandLine.h"
#include "DrawBudget.h"
#include "DrawEngine.h"
#include "Printer.h"
#include "Prompts.h"
#include "TextPainting.h"

#include <QPainter>

#include <utility>

namespace veridi {

namespace {

const QString resetFace = QStringLiteral("ＭＳ Ｐゴシック");

// Raises a flag for the duration of a scope, so a redraw requested from inside a message box
// of the running one is not started on top of it.
class ReentryGuard {
public:
    explicit ReentryGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~ReentryGuard() { flag_ = false; }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

void DrawEngine::InitDrawParams() {
    CanvasState& canvas = targetCanvas();
    canvas.font = DrawFont{};
    canvas.font.name = resetFace;
    canvas.font.size = 9;
    canvas.penWidth = 1;
    canvas.penColor = Qt::black;
    canvas.penStyle = Qt::SolidLine;
    canvas.brushColor = Qt::white;
    canvas.brushSolid = false;
    fBold = fItalic = fUnderline = fStrikeout = false;
    nfontsize = canvas.font.size;
    nfontheight = FontHeightOnTarget(canvas.font.size, targetFontDpi());
}

void DrawEngine::drawText(qint32 x, qint32 y, const QString& text, std::span<const qint32> advances) {
    if (!painter_)
        return;
    const CanvasState& canvas = targetCanvas();
    paintText(*painter_, fonts_.get(canvas.font, targetFontDpi()), canvas.font.color,
              {canvas.brushSolid, canvas.brushColor}, QPoint(x, y), text, advances);
}

void DrawEngine::drawLine(qint32 x1, qint32 y1, qint32 x2, qint32 y2) {
    if (!painter_)
        return;
    const CanvasState& canvas = targetCanvas();
    // Widths 0 and 1 are the one-pixel pen; wider pens end round, as the pages' platform draws.
    QPen pen(canvas.penColor, canvas.penWidth <= 1 ? 0 : canvas.penWidth, canvas.penStyle, Qt::RoundCap,
             Qt::RoundJoin);
    painter_->setPen(pen);
    painter_->drawLine(x1, y1, x2, y2);
}

void DrawEngine::DrawRotatedText(qint32 X, qint32 Y, const QString& text, qint32 angle) {
    if (!painter_)
        return;
    // The rotated font is described anew from the style flags and the recorded height; the
    // current face and style do not take part.
    const QFont font =
        fontOfHeight(QStringLiteral("CourierNew"), nfontheight, fBold, fItalic, fUnderline, fStrikeout);
    const CanvasState& canvas = targetCanvas();
    paintText(*painter_, font, canvas.font.color, {canvas.brushSolid, canvas.brushColor}, QPoint(X, Y), text,
              {}, (angle % 3600) / 10.0);
}

void DrawEngine::DrawGraphics() {
    if (!Visible || drawing_)
        return;
    ReentryGuard guard(drawing_);
    if (onPrinter()) {
        if (!printer_)
            return;
        QPaintDevice* page = printer_->beginJob();
        if (page)
            drawPages(*page);
        printer_->endJob();
        return;
    }
    if (Image1.isNull() || !DrawsPageImage)
        return;
    drawPages(Image1);
    if (nTgtCanvas == 2 && !Image2.isNull()) {
        QPainter reduced(&Image2);
        reduced.setRenderHint(QPainter::SmoothPixmapTransform);
        reduced.drawImage(Image2.rect(), Image1);
    }
    if (pageImageChanged)
        pageImageChanged();
}

void DrawEngine::drawPages(QPaintDevice& device) {
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter_ = &painter;
    struct PainterReset {
        QPainter*& p;
        ~PainterReset() { p = nullptr; }
    } reset{painter_};

    InitDrawParams();
    CanvasState& canvas = targetCanvas();
    canvas.brushSolid = true;
    painter.fillRect(QRect(0, 0, Image1.width(), Image1.height()), canvas.brushColor);
    if (!onPrinter()) {
        if (fMesh == 1)
            DrawMesh();
        if (fScale == 1)
            DrawScale();
    }
    headerBottom_ = 0;
    Header.psDrawn = Footer.psDrawn = PageTitle.psDrawn = SubTitle.psDrawn = false;
    InitDrawParams();
    DrawPageNote();
    for (int list = 0; list < 3; ++list)
        RunCommandList(list);
    InitDrawParams();
    DrawHeader();
    DrawFooter();
    DrawPageTitle();
    DrawSubTitle();
    DrawPageNote();
}

void DrawEngine::RunCommandList(int list) {
    if (!painter_ || list < 0 || list > 2)
        return;
    // Each list is split into commands once per content, not at every redraw.
    const QStringList& lines = list == 0 ? ListByFile : list == 1 ? ListByManual : ListbyProgram;
    std::shared_ptr<const ParsedCommands>& cached = parsedLists_[size_t(list)];
    if (!cached || cached->source() != lines) {
        cached.reset(); // the old lines and their commands go before the new ones are split
        cached = std::make_shared<const ParsedCommands>(lines);
        overBudgetSaid_[size_t(list)] = false;
    }
    // This run's own reference: a message box shown mid-way must not see the list change under
    // the loop.
    const std::shared_ptr<const ParsedCommands> parsed = cached;
    targetCanvas().penWidth = 1;
    int pictureSlot = 5 * list;
    const int lastSlot = pictureSlot + 4;
    DrawBudget budget(QSize(painter_->device()->width(), painter_->device()->height()));
    for (const ParsedCommands::Command& command : parsed->commands())
        if (!runCommand(command, parsed->fields(command), pictureSlot, lastSlot, budget))
            break;
    // Said once for the list's lines, not at every redraw of the same page.
    if (budget.exhausted() && !std::exchange(overBudgetSaid_[size_t(list)], true))
        prompts_.message(QStringLiteral("TOO MUCH TO DRAW, THE REST OF THE LIST IS LEFT OUT"));
}

qint32 DrawEngine::targetLetterHeight() const {
    return FontHeightOnTarget(targetCanvas().font.size, targetFontDpi());
}

bool DrawEngine::runCommand(const ParsedCommands::Command& command, const CommandFields& fields,
                            int& pictureSlot, int lastSlot, DrawBudget& budget) {
    const Keyword keyword = command.keyword;
    const qsizetype count = fields.size();
    CanvasState& canvas = targetCanvas();
    auto stopWith = [&](const char* message) {
        prompts_.message(QString::fromLatin1(message));
        return false;
    };
    if (command.tooManyFields) {
        // Named by its first word, cut short: the word itself may be of any length.
        prompts_.message(QStringLiteral("%1, FORMAT ERROR").arg(wordOf(fields[0]).left(40)));
        return false;
    }

    if (keyword == Keyword::TextOut) {
        if (count < 4)
            return false;
        const qint32 x = UnitToDeviceX(readReal(fields[1]));
        const qint32 y = UnitToDeviceY(readReal(fields[2]));
        const QString pitchWord = count > 4 ? wordOf(fields[4]) : QStringLiteral("NIL");
        Real pitch = pitchWord == u"NIL" ? 0 : readReal(pitchWord);
        if (pitch > 100)
            pitch = 100;
        const QString text = (pitch > 0 ? fields[3].left(qsizetype(Dx.size())) : fields[3]).toString();
        if (!budget.spend(budget.textCost(text.size(), targetLetterHeight())))
            return false;
        if (pitch > 0) {
            Dx.fill(UnitToDeviceX(pitch));
            drawText(x, y, text, std::span<const qint32>(Dx.data(), size_t(text.size())));
        } else {
            drawText(x, y, text);
        }
    } else if (keyword == Keyword::TextOutAngle) {
        if (count < 5)
            return false;
        const Real angle = readReal(fields[4]);
        if (angle >= 0) {
            if (!budget.spend(budget.textCost(fields[3].size(), nfontheight)))
                return false;
            DrawRotatedText(UnitToDeviceX(readReal(fields[1])), UnitToDeviceY(readReal(fields[2])),
                            fields[3].toString(), truncateReal(angle));
        }
    } else if (keyword == Keyword::Line) {
        if (count < 5)
            return stopWith("LINE, FORMAT ERROR");
        const QPoint a(UnitToDeviceX(readReal(fields[1])), UnitToDeviceY(readReal(fields[2])));
        const QPoint b(UnitToDeviceX(readReal(fields[3])), UnitToDeviceY(readReal(fields[4])));
        if (!budget.spend(budget.lineCost(a, b, canvas.penWidth)))
            return false;
        drawLine(a.x(), a.y(), b.x(), b.y());
    } else if (keyword == Keyword::Color) {
        if (count < 2)
            return false;
        canvas.font.color = canvas.penColor = NameToColor(fields[1]);
    } else if (keyword == Keyword::FontColor) {
        if (count < 2)
            return false;
        canvas.font.color = NameToColor(fields[1]);
    } else if (keyword == Keyword::FontSize) {
        if (count < 2)
            return false;
        const Real size = readReal(fields[1]);
        if (size > 0) {
            canvas.font.size = RoundOff(size);
            nfontsize = canvas.font.size;
            nfontheight = FontHeightOnTarget(canvas.font.size, targetFontDpi());
        }
    } else if (keyword == Keyword::FontName) {
        if (count < 2)
            return false;
        canvas.font.name = fields[1].toString();
    } else if (keyword == Keyword::FontStyle) {
        if (count < 2)
            return stopWith("FONTSTYLE FORMAT ERROR");
        const QString style = wordOf(fields[1]);
        struct Switch {
            const char16_t* word;
            bool DrawFont::*attribute;
            bool DrawEngine::*flag;
        };
        const Switch switches[] = {
            {u"BOLD", &DrawFont::bold, &DrawEngine::fBold},
            {u"ITALIC", &DrawFont::italic, &DrawEngine::fItalic},
            {u"UNDERLINE", &DrawFont::underline, &DrawEngine::fUnderline},
            {u"STRIKEOUT", &DrawFont::strikeOut, &DrawEngine::fStrikeout},
        };
        for (const Switch& s : switches) {
            const QString on = QString::fromUtf16(s.word);
            if (style == u"NONE" || style == on || style == on + u'-') {
                const bool value = style == on;
                canvas.font.*s.attribute = value;
                this->*s.flag = value;
            }
        }
    } else if (keyword == Keyword::BrushColor) {
        if (count < 2)
            return false;
        canvas.brushColor = NameToColor(fields[1]);
        canvas.brushSolid = true;
    } else if (keyword == Keyword::PenColor) {
        if (count < 2)
            return false;
        canvas.penColor = NameToColor(fields[1]);
    } else if (keyword == Keyword::PenWidth || keyword == Keyword::PenSize) {
        if (count < 2)
            return stopWith("PENWIDTH, NOT VALUE");
        const Real width = readReal(fields[1]);
        if (width > 0) // PENWIDTH is in drawing units, PENSIZE in device pixels
            canvas.penWidth = keyword == Keyword::PenWidth ? UnitToDeviceX(width) : truncateReal(width);
    } else if (keyword == Keyword::PenStyle) {
        if (count < 2)
            return stopWith("PENSTYLE FORMAT ERROR");
        const QString style = wordOf(fields[1]);
        if (style == u"PSSOLID")
            canvas.penStyle = Qt::SolidLine;
        else if (style == u"PSDASH")
            canvas.penStyle = Qt::DashLine;
        else if (style == u"PSDOT")
            canvas.penStyle = Qt::DotLine;
        else if (style == u"PSDASHDOT")
            canvas.penStyle = Qt::DashDotLine;
        else if (style == u"PSDASHDOTDOT")
            canvas.penStyle = Qt::DashDotDotLine;
    } else if (keyword == Keyword::Picture) {
        // The k-th PICTURE line of a list belongs to the list's k-th slot, drawn or not; a list
        // has five.
        if (pictureSlot > lastSlot)
            return true;
        const PictureSlot& picture = Bmp[size_t(pictureSlot)];
        ++pictureSlot;
        if (picture) {
            if (count < 6)
                return stopWith("PICTURE, FORMAT ERROR");
            const QPoint a(UnitToDeviceX(readReal(fields[2])), UnitToDeviceY(readReal(fields[3])));
            const QPoint b(UnitToDeviceX(readReal(fields[4])), UnitToDeviceY(readReal(fields[5])));
            if (!budget.spend(budget.pictureCost(a, b)))
                return false;
            // A picture draws with its own pen and transform; none of them stays behind.
            painter_->save();
            picture->draw(*painter_, QRectF(a, b).normalized());
            painter_->restore();
        }
    } else if (keyword == Keyword::Header) {
        return runPageStrCommand(fields, PageStrKind::Header, budget);
    } else if (keyword == Keyword::Footer) {
        return runPageStrCommand(fields, PageStrKind::Footer, budget);
    } else if (keyword == Keyword::PageTitle) {
        return runPageStrCommand(fields, PageStrKind::PageTitle, budget);
    } else if (keyword == Keyword::SubTitle) {
        return runPageStrCommand(fields, PageStrKind::SubTitle, budget);
    } else if (keyword == Keyword::InitParam) {
        InitDrawParams();
    }
    return true;
}

bool DrawEngine::runPageStrCommand(const CommandFields& fields, PageStrKind kind, DrawBudget& budget) {
    static const char* const messages[] = {"HEADER, FORMAT ERROR", "FOOTER, FORMAT ERROR",
                                           "PAGETITLE, FORMAT ERROR", "SUBTITLE, FORMAT ERROR"};
    TPageStr& P = pageStr(kind);
    PageStrTmp.Assign(P);
    if (fields.size() < 5) {
        prompts_.message(QString::fromLatin1(messages[int(kind)]));
        return false;
    }
    // The command's text and place, drawn in the target's current font; the configured page
    // string is put back afterwards, keeping only the drawn flag.
    P.psPos = ReadInteger(fields[2]);
    P.psStr = fields[1].toString();
    P.psX = fields[3].toString();
    P.psY = fields[4].toString();
    if (!budget.spend(budget.textCost(P.psStr.size(), targetLetterHeight()))) {
        P.Assign(PageStrTmp);
        return false;
    }
    const DrawFont& font = targetCanvas().font;
    P.psName = font.name;
    P.psSize = font.size;
    P.psItalic = font.italic;
    P.psBold = font.bold;
    drawPageStr(P, kind);
    P.Assign(PageStrTmp);
    return true;
}

} // namespace veridi
