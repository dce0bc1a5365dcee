#include "SheetComposer.h"

#include "CommandLine.h"
#include "DrawEngine.h"

#include <QLocale>

#include <algorithm>

namespace veridi {
namespace {

const QString kNil = QStringLiteral("Nil");

// A coordinate text of a page string; one that is not a number counts as 0.
Real num(const QString& text) {
    return readReal(text);
}

QString lineOf(const QStringList& list, int n) {
    return list.value(n - 1);
}

} // namespace

SheetComposer::SheetComposer(DrawEngine& engine, std::function<void()> updateProgram,
                             std::function<QDateTime()> clock)
    : engine_(engine), updateProgram_(std::move(updateProgram)), clock_(std::move(clock)) {
    ResetCurFont();
}

DrawFont SheetComposer::examFont(const ExamFontSpec& stored) {
    DrawFont font;
    font.name = stored.Name;
    font.size = stored.Size;
    font.bold = stored.Bold;
    font.italic = stored.Italic;
    // Stored as 0x00BBGGRR, red in the low byte.
    font.color = QColor(stored.Color & 0xFF, (stored.Color >> 8) & 0xFF, (stored.Color >> 16) & 0xFF);
    return font;
}

DrawFont SheetComposer::pageStartFont() {
    DrawFont font;
    font.name = QStringLiteral("ＭＳ Ｐゴシック");
    font.size = 9;
    font.color = Qt::black;
    return font;
}

void SheetComposer::ResetCurFont() {
    CurFont = pageStartFont();
}

void SheetComposer::PageStrToFont(const TPageStr& ps, DrawFont& F) const {
    DrawEngine::SetPageStr2Font(ps, F);
    F.color = Qt::black;
}

void SheetComposer::EmitFontChange(const DrawFont& F) {
    if (F.name != CurFont.name)
        engine_.PrevFontName(quote(F.name));
    if (F.size != CurFont.size)
        engine_.PrevFontSize(F.size);
    if (F.color != CurFont.color)
        engine_.PrevFontColor(F.color);
    if (F.bold != CurFont.bold)
        engine_.PrevFontStyle(F.bold ? QStringLiteral("BOLD") : QStringLiteral("BOLD-"));
    if (F.italic != CurFont.italic)
        engine_.PrevFontStyle(F.italic ? QStringLiteral("ITALIC") : QStringLiteral("ITALIC-"));
    CurFont = F;
}

QString SheetComposer::headerText(const QString& text) const {
    if (text == QLatin1String("%t"))
        return QLocale::system().toString(clock_().time(), QLocale::LongFormat);
    if (text == QLatin1String("%d"))
        return QLocale::system().toString(clock_().date(), QLocale::ShortFormat);
    return text;
}

void SheetComposer::ComposeSheet(int mode, Input input) {
    WorksheetSettings& s = input.settings;
    if (input.problems.first.isEmpty())
        return;

    engine_.ClearProgramList();
    engine_.PrevInit();
    DrawFont F;
    ResetCurFont();

    // The header is written in the date line's font, the footer in the header's.
    PageStrToFont(input.DateTime, F);
    EmitFontChange(F);
    engine_.PrevHeader(headerText(s.sHeader), engine_.Header.psPos, num(engine_.Header.psX),
                       num(engine_.Header.psY));
    PageStrToFont(engine_.Header, F);
    EmitFontChange(F);
    engine_.PrevFooter(headerText(s.sFooter), engine_.Footer.psPos, num(engine_.Footer.psX),
                       num(engine_.Footer.psY));

    // Measured in the font every page starts with, never in one an earlier page left on the
    // measuring canvases: the same settings and problems always give the same page.
    engine_.SetFontSets(pageStartFont());
    const Real h = engine_.GetHeight(u' ' + s.sDateTime + u' ');
    engine_.SetFontSets(F);

    const Real titleY = num(engine_.PageTitle.psY);
    PageStrToFont(engine_.PageTitle, F);
    EmitFontChange(F);
    engine_.PrevpageTitle(s.sPageTitle, engine_.PageTitle.psPos, num(engine_.PageTitle.psX), titleY);
    engine_.SetFontSets(F);
    s.WindowTop = double(std::max<Real>(s.WindowTop, titleY + h));

    const Real subTitleY = num(engine_.SubTitle.psY);
    PageStrToFont(engine_.SubTitle, F);
    EmitFontChange(F);
    const QString subTitle = mode == Answers ? s.sSubTitle + QStringLiteral(" (答)") : s.sSubTitle;
    engine_.PrevSubTitle(subTitle, engine_.SubTitle.psPos, num(engine_.SubTitle.psX), subTitleY);
    engine_.SetFontSets(F);
    s.WindowTop = double(std::max<Real>(s.WindowTop, subTitleY + h));

    if (!s.sDateTime.isEmpty() && input.DateTime.psPos != 0) {
        Real top = s.WindowTop;
        composeDateBox(input, F, top);
        s.WindowTop = double(top);
    }

    // The grid area.
    WindowUpper = s.WindowTop + 5;
    if (s.WindowBottom < 10)
        s.WindowBottom = 10;
    const Real pageHeight = engine_.Get_UnitHeight();
    const Real pageWidth = engine_.Get_UnitWidth();
    WindowInner = pageWidth - s.WindowRight;
    WindowUnder = pageHeight - s.WindowBottom;

    if (s.WindowFrame) {
        engine_.PrevPenSize(1);
        engine_.PrevPenStyle(QStringLiteral("psDot"));
        engine_.PrevLine(s.WindowLeft, WindowUpper, WindowInner, WindowUpper);
        engine_.PrevLine(WindowInner, WindowUpper, WindowInner, WindowUnder);
        engine_.PrevLine(WindowInner, WindowUnder, s.WindowLeft, WindowUnder);
        engine_.PrevLine(s.WindowLeft, WindowUnder, s.WindowLeft, WindowUpper);
    }
    engine_.PrevPenSize(1);
    engine_.PrevPenStyle(QStringLiteral("psSolid"));

    // A hand-edited settings file may hold no rows or columns: then there is no grid to fill.
    if (s.ExamRowN >= 1 && s.ExamColN >= 1)
        composeGrid(mode, input, F);
    updateProgram_();
}

void SheetComposer::composeGrid(int mode, const Input& input, DrawFont& F) {
    const WorksheetSettings& s = input.settings;
    const Real cellW = (WindowInner - s.WindowLeft) / s.ExamColN;
    const Real cellH = (WindowUnder - WindowUpper) / s.ExamRowN;
    const DrawFont exam = examFont(s.FntExam);
    engine_.SetFontSets(exam);
    const Real sw = engine_.GetWidth(input.sign + u' ');
    const Real sh = engine_.GetHeight(input.sign + u' ');

    // Filled column by column; the grid ends with the last problem both operand lists hold.
    const qsizetype available = std::min(input.problems.first.size(), input.problems.second.size());
    Real colX = s.WindowLeft;
    for (int col = 1; col <= s.ExamColN; ++col) {
        Real y = WindowUpper;
        for (int row = 1; row <= s.ExamRowN; ++row) {
            const int n = (col - 1) * s.ExamRowN + row;
            if (n > available)
                return;
            Real numW = 0;
            if (s.fExNum) {
                const QString N = s.ExNumLeft + QStringLiteral("%1").arg(n, 2) + s.ExNumRight;
                PageStrToFont(engine_.SubTitle, F);
                EmitFontChange(F);
                engine_.PrevTextOut(colX, y, N, kNil);
                engine_.SetFontSets(F);
                numW = engine_.GetWidth(N);
            }
            EmitFontChange(exam);
            engine_.SetFontSets(exam);
            composeCell(mode, input, n, colX + numW + s.ExamSeparate, y, sw, sh);
            y += cellH;
        }
        colX += cellW;
    }
}

void SheetComposer::composeDateBox(const Input& input, DrawFont& F, Real& windowTop) {
    const WorksheetSettings& s = input.settings;
    const Real X = num(input.DateTime.psX);
    const Real Y0 = num(input.DateTime.psY);
    const QString D = u' ' + s.sDateTime + u' ';
    // Sized in the subtitle's font, which the measuring canvases still carry.
    const Real W = engine_.GetWidth(D);
    const Real H = engine_.GetHeight(D);

    PageStrToFont(input.DateTime, F);
    EmitFontChange(F);
    engine_.PrevTextOut(X, Y0 + H / 2, D, QStringLiteral("NIL"));
    engine_.SetFontSets(F);
    if (!s.sName.isEmpty())
        engine_.PrevTextOut(X, Y0 + H / 2 + 3 * H, QStringLiteral("　") + s.sName + u' ',
                            QStringLiteral("NIL"));

    engine_.PrevPenSize(1);
    engine_.PrevLine(X, Y0, X + W, Y0);
    engine_.PrevLine(X + W, Y0, X + W, Y0 + 6 * H);
    engine_.PrevLine(X + W, Y0 + 6 * H, X, Y0 + 6 * H);
    engine_.PrevLine(X, Y0 + 6 * H, X, Y0);
    engine_.PrevLine(X, Y0 + 2 * H, X + W, Y0 + 2 * H);
    windowTop = std::max<Real>(windowTop, Y0 + 2 * H);
}

void SheetComposer::composeCell(int mode, const Input& input, int n, Real tx, Real ty, Real sw, Real sh) {
    const QString& sign = input.sign;
    const QString R = lineOf(input.problems.answers, n);
    if (mode == Answers) {
        engine_.PrevTextOut(tx, ty, R, kNil);
        return;
    }
    const QString A = lineOf(input.problems.first, n);
    const QString B = lineOf(input.problems.second, n);

    if (!input.settings.ExamType) {
        QString text = A + u' ' + sign;
        text += B.contains(u'-') ? u'(' + B + QStringLiteral(")= ") : u' ' + B + QStringLiteral(" = ");
        if (input.settings.AnswerType == 2)
            text += R;
        engine_.PrevTextOut(tx, ty, text, kNil);
        return;
    }

    const QString a = trimLine(A);
    const QString b = trimLine(B);
    if (input.tabIndex == 3) {
        // The long-hand division: divisor, ")", dividend, and the bar over the dividend.
        engine_.PrevTextOut(tx, ty, b, kNil);
        const Real xp = tx + engine_.GetWidth(b);
        engine_.PrevTextOut(xp, ty, QStringLiteral(")"), kNil);
        const Real pw = engine_.GetWidth(QStringLiteral(")"));
        engine_.PrevTextOut(xp + pw, ty, a, kNil);
        engine_.PrevLine(xp + pw / 2, ty, xp + pw + engine_.GetWidth(a + u' '), ty);
        return;
    }

    // The long-hand column: both operands right-aligned, the sign before the second, a rule.
    const qsizetype k = std::max(a.size(), b.size());
    const QString top = a.rightJustified(k, u' ');
    const QString bottom = b.rightJustified(k, u' ');
    const Real L = engine_.GetWidth(QStringLiteral("   ") + top) + sw;
    engine_.PrevTextOut(tx + sw, ty, top, kNil);
    engine_.PrevTextOut(tx + sw, ty + sh, bottom, kNil);
    engine_.PrevTextOut(tx, ty + sh, sign + QStringLiteral("  "), kNil);
    engine_.PrevLine(tx, ty + 2 * sh, tx + L, ty + 2 * sh);
}

} // namespace veridi
