#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <memory>

using namespace veridi;
using veridi::test::darkSpanInColumn;
using veridi::test::darkSpanInRow;
using veridi::test::EngineHarness;
using veridi::test::inkBounds;
using veridi::test::inkIn;
using veridi::test::isDark;
using veridi::test::isWhite;

namespace {

using Span = std::optional<std::pair<int, int>>;

TEST(Lines, TenMillimetresOnScreenAndPrinter) {
    EngineHarness h(2);
    h.engine.ListByFile = QStringList{"Line,10,10,20,10"};
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(darkSpanInRow(screen, 38), Span(std::pair(38, 76)));
    EXPECT_EQ(darkSpanInRow(screen, 37), Span());
    EXPECT_EQ(darkSpanInRow(screen, 39), Span());
    EXPECT_EQ(inkIn(screen, screen.rect()), 39);

    const QImage printed = h.drawPrinter();
    ASSERT_EQ(h.printer.pages().size(), 1u);
    EXPECT_EQ(darkSpanInRow(printed, 236), Span(std::pair(236, 472)));
    EXPECT_EQ(darkSpanInRow(printed, 235), Span());
    EXPECT_EQ(darkSpanInRow(printed, 237), Span());
    EXPECT_TRUE(h.prompts.messages.isEmpty());
}

TEST(Lines, NegativeCoordinatesCountFromTheFarEdges) {
    EngineHarness h(2);
    h.engine.ListByFile = QStringList{"Line,-10,-10,-10,-20"};
    const QImage& screen = h.drawScreen();
    // 193.2 mm and 244 mm / 234 mm on a 203.2 × 254 mm page.
    EXPECT_EQ(darkSpanInColumn(screen, 730), Span(std::pair(884, 922)));
}

TEST(FormatErrors, AMissingLineFieldStopsOnlyItsList) {
    EngineHarness h(2);
    h.engine.ListByFile =
        QStringList{"Line,1,1,50,1", "  line , 1 , 5 , 50 , 5 ", "LINE,1,2,3", "Line,1,20,50,20"};
    h.engine.ListByManual = QStringList{"Line,1,30,50,30"};
    const QImage& screen = h.drawScreen();
    EXPECT_TRUE(darkSpanInRow(screen, 4));
    EXPECT_TRUE(darkSpanInRow(screen, 19));
    EXPECT_FALSE(darkSpanInRow(screen, 76));
    EXPECT_TRUE(darkSpanInRow(screen, 113));
    EXPECT_EQ(h.prompts.messages, QStringList{"LINE, FORMAT ERROR"});
    // Nothing is remembered: every redraw reports the line again.
    h.drawScreen();
    EXPECT_EQ(h.prompts.messages, (QStringList{"LINE, FORMAT ERROR", "LINE, FORMAT ERROR"}));
}

TEST(FormatErrors, ALineOfTooManyFieldsStopsItsListNamingItsWord) {
    EngineHarness h(2);
    const QString commas(100000, u',');
    h.engine.ListByFile = QStringList{"Line,1,1,50,1", "Line" + commas, "Line,1,20,50,20"};
    h.engine.ListByManual = QStringList{"Rem" + commas, "Line,1,30,50,30"};
    const QImage& screen = h.drawScreen();
    EXPECT_TRUE(darkSpanInRow(screen, 4));
    EXPECT_FALSE(darkSpanInRow(screen, 76));
    EXPECT_FALSE(darkSpanInRow(screen, 113));
    EXPECT_EQ(h.prompts.messages, (QStringList{"LINE, FORMAT ERROR", "REM, FORMAT ERROR"}));
}

// Each list is split once; every way of changing a list must still be drawn at the next redraw.
TEST(DrawGraphics, EveryChangeOfAListIsDrawn) {
    EngineHarness h(2);
    h.engine.ListByManual = QStringList{"Line,1,1,50,1"};
    EXPECT_TRUE(darkSpanInRow(h.drawScreen(), 4));
    h.engine.ListByManual[0] = "Line,1,20,50,20"; // edited in place
    EXPECT_FALSE(darkSpanInRow(h.drawScreen(), 4));
    EXPECT_TRUE(darkSpanInRow(h.engine.Image1, 76));
    h.engine.ListByManual << "Line,1,30,50,30"; // appended
    EXPECT_TRUE(darkSpanInRow(h.drawScreen(), 113));
    h.engine.DeleteManualList(1); // a line removed
    EXPECT_FALSE(darkSpanInRow(h.drawScreen(), 113));
    h.engine.ListByManual = QStringList{"Line,1,1,50,1"}; // replaced by an equal list
    EXPECT_TRUE(darkSpanInRow(h.drawScreen(), 4));
    h.engine.ClearManualList();
    h.engine.ListByFile = QStringList{"Line,1,30,50,30"}; // another list replaced
    const QImage& last = h.drawScreen();
    EXPECT_FALSE(darkSpanInRow(last, 4));
    EXPECT_TRUE(darkSpanInRow(last, 113));
}

struct StopCase {
    const char* line;
    const char* message; // nullptr: the list stops silently; "" : the list goes on
};

TEST(FormatErrors, EachCommandsMissingFieldBehaviour) {
    const StopCase cases[] = {
        {"TextOut,1,2", nullptr},
        {"TextOutAngle,1,2,\"x\"", nullptr},
        {"Color", nullptr},
        {"FontColor", nullptr},
        {"FontSize", nullptr},
        {"FontName", nullptr},
        {"BrushColor", nullptr},
        {"PenColor", nullptr},
        {"FontStyle", "FONTSTYLE FORMAT ERROR"},
        {"PenWidth", "PENWIDTH, NOT VALUE"},
        {"PenSize", "PENWIDTH, NOT VALUE"},
        {"PenStyle", "PENSTYLE FORMAT ERROR"},
        {"Header,\"x\",1,0", "HEADER, FORMAT ERROR"},
        {"Footer,\"x\",1,0", "FOOTER, FORMAT ERROR"},
        {"PageTitle", "PAGETITLE, FORMAT ERROR"},
        {"subtitle,\"x\"", "SUBTITLE, FORMAT ERROR"},
        {"TextOut,1,2,x", ""},
        {"Line,1,,3,4,", ""},
        {"Bogus,1,2", ""},
        {"INCLUDE,other.prv", ""},
        {"INITPARAM", ""},
        {"Picture,a.bmp", ""}, // no picture in its slot: the fields are not looked at
        {"FontStyle,WAVY", ""},
        {"PenStyle,psWavy", ""},
        {"Color,pink", ""},
    };
    for (const auto& c : cases) {
        EngineHarness h(2);
        h.engine.ListbyProgram = QStringList{QString::fromUtf8(c.line), "Line,1,30,50,30"};
        const QImage& screen = h.drawScreen();
        const bool goesOn = c.message && *c.message == 0;
        EXPECT_EQ(bool(darkSpanInRow(screen, 113)), goesOn) << c.line;
        const QStringList expected = c.message && *c.message ? QStringList{c.message} : QStringList{};
        EXPECT_EQ(h.prompts.messages, expected) << c.line;
    }
}

// A picture that records where it was asked to draw and fills that place.
class RecordingPicture : public Picture {
public:
    explicit RecordingPicture(QColor color) : color_(color) {}
    void draw(QPainter& painter, const QRectF& target) const override {
        targets.push_back(target);
        painter.fillRect(target, color_);
    }
    mutable std::vector<QRectF> targets;

private:
    QColor color_;
};

TEST(Pictures, EachListDrawsItsFirstFivePictureLinesFromItsSlots) {
    EngineHarness h(2);
    std::vector<std::shared_ptr<RecordingPicture>> pictures;
    for (int slot = 0; slot < 15; ++slot) {
        pictures.push_back(std::make_shared<RecordingPicture>(QColor(0, 0, 255)));
        h.engine.Bmp[size_t(slot)] = pictures.back();
    }
    h.engine.Bmp[11] = nullptr; // the program list's second picture did not load
    QStringList program;
    program << "Picture,a.bmp,10,10,20,30"
            << "Picture,missing.bmp"; // empty slot: its missing coordinates do not matter
    for (int k = 2; k < 7; ++k)
        program << QStringLiteral("Picture,p.bmp,%1,40,%2,50").arg(k * 20).arg(k * 20 + 5);
    h.engine.ListbyProgram = program;
    h.engine.ListByFile = QStringList{"Picture,f.bmp,20,20,10,10"};
    h.drawScreen();

    ASSERT_EQ(pictures[10]->targets.size(), 1u);
    EXPECT_EQ(pictures[10]->targets[0], QRectF(QPointF(38, 38), QPointF(76, 113)));
    for (int slot = 12; slot < 15; ++slot) {
        ASSERT_EQ(pictures[size_t(slot)]->targets.size(), 1u) << slot;
        const int k = slot - 10;
        EXPECT_EQ(pictures[size_t(slot)]->targets[0].left(), RoundOff(k * 20 * 96 / 25.4L)) << slot;
    }
    // The file list's inverted rectangle is drawn in its own first slot, normalised.
    ASSERT_EQ(pictures[0]->targets.size(), 1u);
    EXPECT_EQ(pictures[0]->targets[0], QRectF(QPointF(38, 38), QPointF(76, 76)));
    for (int slot : {1, 2, 3, 4, 5, 6, 7, 8, 9})
        EXPECT_TRUE(pictures[size_t(slot)]->targets.empty()) << slot;
    // The sixth and seventh PICTURE lines have no slot; nothing was drawn at 120 mm and beyond.
    EXPECT_EQ(inkIn(h.engine.Image1, QRect(RoundOff(120 * 96 / 25.4L), 140, 200, 60)), 0);
    EXPECT_TRUE(h.prompts.messages.isEmpty());
}

TEST(Pictures, ALoadedPictureWithoutCoordinatesIsAFormatError) {
    EngineHarness h(2);
    auto picture = std::make_shared<RecordingPicture>(Qt::blue);
    h.engine.Bmp[5] = picture;
    h.engine.ListByManual = QStringList{"Picture,a.bmp,1,2,3", "Line,1,30,50,30"};
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(h.prompts.messages, QStringList{"PICTURE, FORMAT ERROR"});
    EXPECT_TRUE(picture->targets.empty());
    EXPECT_FALSE(darkSpanInRow(screen, 113));
}

QRect textInk(EngineHarness& h, const QStringList& program) {
    h.engine.ListbyProgram = program;
    const QImage& screen = h.drawScreen();
    return inkBounds(screen, QRect(0, 0, screen.width(), 700));
}

TEST(TextOut, PitchRules) {
    EngineHarness h(2);
    const QRect normal = textInk(h, {"TextOut,10,10,\"iiiii\",NIL"});
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_GE(normal.left(), 38);
    EXPECT_LT(normal.right(), 38 + 60);
    EXPECT_GE(normal.top(), 38);
    for (const char* pitch : {"nil", "0", "-5", "abc", ""})
        EXPECT_EQ(textInk(h, {QStringLiteral("TextOut,10,10,\"iiiii\",%1").arg(pitch)}), normal) << pitch;
    EXPECT_EQ(textInk(h, {"TextOut,10,10,\"iiiii\""}), normal);
    // Typed by hand: the blank ends the text, and the second word is a pitch that is no number.
    EXPECT_EQ(textInk(h, {"textout,10,10,iiiii world"}), normal);
    // One character every 10 mm: the fifth starts 40 mm (151 pixels) after the first.
    const QRect pitched = textInk(h, {"TextOut,10,10,\"iiiii\",10"});
    EXPECT_EQ(pitched.left(), normal.left());
    EXPECT_GE(pitched.right(), 38 + 151);
    EXPECT_LT(pitched.right(), 38 + 151 + 20);
    // A pitch of 250 is cut to 100 mm: the second character stands at 110 mm.
    const QRect capped = textInk(h, {"TextOut,10,10,\"ii\",250"});
    EXPECT_GE(capped.right(), RoundOff(110 * 96 / 25.4L));
    EXPECT_LT(capped.right(), RoundOff(110 * 96 / 25.4L) + 20);
}

TEST(TextOut, PitchedTextIsCutTo200Characters) {
    EngineHarness h(0);
    const QString text(250, u'I');
    h.engine.ListbyProgram = QStringList{QStringLiteral("TextOut,0,0,\"%1\",10").arg(text)};
    const QImage printed = h.drawPrinter();
    const QRect ink = inkBounds(printed, QRect(0, 0, 3000, 120));
    EXPECT_GE(ink.right(), 1990);
    EXPECT_LT(ink.right(), 2050);
}

TEST(TextOut, TopLeftCornerIsThePosition) {
    EngineHarness h(0);
    h.engine.ListbyProgram = QStringList{"FontSize,40", "TextOut,600,600,\"■\",NIL"};
    const QImage printed = h.drawPrinter();
    const QRect ink = inkBounds(printed, QRect(500, 500, 800, 800));
    // 40 points at 600 dpi: a 333-dot character cell; the square sits inside it.
    EXPECT_GE(ink.top(), 600);
    EXPECT_LT(ink.top(), 600 + 120);
    EXPECT_GE(ink.left(), 600);
    EXPECT_LT(ink.left(), 600 + 60);
    EXPECT_GT(ink.height(), 200);
    EXPECT_LT(ink.bottom(), 600 + 333 + 40);
}

TEST(TextOut, SolidBrushGivesTheTextABackgroundBox) {
    EngineHarness h(2);
    h.engine.ListbyProgram =
        QStringList{"BrushColor,yellow", "TextOut,10,10,\"ab\",NIL", "TextOut,10,30,\"ab\",NIL"};
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(screen.pixel(38, 38), qRgb(255, 255, 0));
    EXPECT_EQ(screen.pixel(38, 113), qRgb(255, 255, 0));
    h.engine.ListbyProgram = QStringList{"BrushColor,yellow", "INITPARAM", "TextOut,10,10,\"ab\",NIL"};
    EXPECT_TRUE(isWhite(h.drawScreen(), 38, 38));
}

TEST(Colours, ColorSetsTextAndPenFontColorOnlyText) {
    EngineHarness h(2);
    h.engine.ListbyProgram =
        QStringList{"Color,red", "Line,10,10,20,10", "FontColor,blue", "Line,10,20,20,20",
                    "PenSize,3", "Line,10,40,20,40", "FontSize,30",    "TextOut,10,50,\"■\",NIL"};
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(screen.pixel(50, 38), qRgb(255, 0, 0));
    EXPECT_EQ(screen.pixel(50, 76), qRgb(255, 0, 0));
    const QRect square = inkBounds(screen, QRect(30, 180, 200, 100));
    EXPECT_EQ(screen.pixel(square.center()), qRgb(0, 0, 255));
}

TEST(Colours, StateFlowsFromListToListUntilInitParam) {
    EngineHarness h(2);
    h.engine.ListByFile = QStringList{"Color,lime"};
    h.engine.ListbyProgram = QStringList{"Line,10,10,20,10"};
    EXPECT_EQ(h.drawScreen().pixel(50, 38), qRgb(0, 255, 0));
    h.engine.ListbyProgram = QStringList{"INITPARAM", "Line,10,10,20,10"};
    EXPECT_EQ(h.drawScreen().pixel(50, 38), qRgb(0, 0, 0));
    // A new drawing starts from the reset state.
    h.engine.ListByFile.clear();
    h.engine.ListbyProgram = QStringList{"Line,10,10,20,10"};
    EXPECT_EQ(h.drawScreen().pixel(50, 38), qRgb(0, 0, 0));
}

int lineThickness(const QImage& image, int column, int from, int to) {
    int count = 0;
    for (int y = from; y < to; ++y)
        if (isDark(image, column, y))
            ++count;
    return count;
}

TEST(Pens, WidthsInUnitsAndInPixels) {
    struct PenCase {
        const char* command;
        int thickness;
    } cases[] = {
        {"PenWidth,0.5", 12}, {"PenSize,0.5", 1},        {"PenSize,5", 5},
        {"PenSize,5.9", 5},   {"PenWidth,0", 1},         {"PenWidth,abc", 1},
        {"PenSize,-3", 1},    {"PenWidth,1e99999", 160}, // saturates: the pen covers the page
    };
    for (const auto& c : cases) {
        EngineHarness h(2);
        h.engine.ListByFile = QStringList{QString::fromLatin1(c.command), "Line,10,20,100,20"};
        const QImage printed = h.drawPrinter();
        EXPECT_EQ(lineThickness(printed, 1000, 400, 560), c.thickness) << c.command;
    }
}

TEST(Pens, WidthGoesBackToOnePixelAtEveryList) {
    EngineHarness h(2);
    h.engine.ListByFile = QStringList{"PenSize,9", "Color,red"};
    h.engine.ListbyProgram = QStringList{"Line,10,20,100,20"};
    const QImage printed = h.drawPrinter();
    EXPECT_EQ(lineThickness(printed, 1000, 400, 560), 1);
    EXPECT_EQ(printed.pixel(1000, 472), qRgb(255, 0, 0));
}

TEST(Pens, StyleWordsBreakTheLine) {
    EngineHarness h(2);
    h.engine.ListbyProgram = QStringList{"PenStyle,psDot",    "Line,10,10,100,10",  "PenStyle,PSSOLID",
                                         "Line,10,20,100,20", "PenStyle,psDashDot", "Line,10,30,100,30"};
    const QImage& screen = h.drawScreen();
    const int length = RoundOff(100 * 96 / 25.4L) - 38 + 1;
    EXPECT_LT(inkIn(screen, QRect(38, 38, length, 1)), length * 2 / 3);
    EXPECT_EQ(inkIn(screen, QRect(38, 76, length, 1)), length);
    EXPECT_LT(inkIn(screen, QRect(38, 113, length, 1)), length);
    EXPECT_GT(inkIn(screen, QRect(38, 113, length, 1)), length / 3);
}

TEST(FontStyle, SwitchesOnAndOff) {
    EngineHarness h(2);
    const QString text = QStringLiteral("TextOut,10,10,\"Veridi\",NIL");
    h.engine.ListbyProgram = QStringList{"FontSize,20", text};
    const QImage plain = h.drawScreen().copy();
    h.engine.ListbyProgram = QStringList{"FontSize,20", "FontStyle,UNDERLINE", "FontStyle,underline-", text};
    EXPECT_EQ(h.drawScreen(), plain);
    h.engine.ListbyProgram =
        QStringList{"FontSize,20", "FontStyle,BOLD", "FontStyle,Italic", "FontStyle,NONE", text};
    EXPECT_EQ(h.drawScreen(), plain);
    h.engine.ListbyProgram = QStringList{"FontSize,20", "FontStyle,UNDERLINE", text};
    const QImage underlined = h.drawScreen().copy();
    EXPECT_NE(underlined, plain);
    h.engine.ListbyProgram = QStringList{"FontSize,20", "FontStyle,BOLD", text};
    EXPECT_GT(inkIn(h.drawScreen(), QRect(0, 0, 400, 150)), inkIn(plain, QRect(0, 0, 400, 150)));
    h.engine.ListbyProgram = QStringList{"FontSize,20", "FontName,\"ＭＳ 明朝\"", text};
    EXPECT_NE(h.drawScreen(), plain);
    h.engine.ListbyProgram = QStringList{"FontSize,0.3", "FontSize,-4", "FontSize,x", "FontSize,20", text};
    EXPECT_EQ(h.drawScreen(), plain);
}

TEST(TextOutAngle, RotatesCounterClockwiseAboutTheTopLeftCorner) {
    EngineHarness h(2);
    const QString text = QStringLiteral("WWWWWWWW");
    auto inkOf = [&](const char* angle) {
        h.engine.ListbyProgram =
            QStringList{"FontSize,14", QStringLiteral("TextOutAngle,100,100,\"%1\",%2").arg(text, angle)};
        const QImage& screen = h.drawScreen();
        return inkBounds(screen, QRect(0, 0, screen.width(), 700));
    };
    const int x = RoundOff(100 * 96 / 25.4L); // 378
    const QRect flat = inkOf("0");
    EXPECT_GT(flat.width(), flat.height());
    EXPECT_GE(flat.left(), x - 1);
    EXPECT_GE(flat.top(), x - 1);
    const QRect up = inkOf("900");
    EXPECT_GT(up.height(), up.width());
    EXPECT_LE(up.bottom(), x + 1); // the text runs upwards from the corner
    EXPECT_GE(up.left(), x - 1);   // its top edge now faces left
    EXPECT_NEAR(up.height(), flat.width(), 3);
    EXPECT_EQ(inkOf("3700"), inkOf("100"));
    const QRect tilted = inkOf("100");
    EXPECT_LT(tilted.top(), x - 10); // 10 degrees: the end of the text rises
    EXPECT_EQ(inkOf("900.9"), up);   // the angle is truncated

    h.engine.ListbyProgram = QStringList{"TextOutAngle,100,100,\"WWW\",-10", "Line,1,30,50,30"};
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(inkIn(screen, QRect(x - 100, x - 200, 300, 300)), 0);
    EXPECT_TRUE(darkSpanInRow(screen, 113));
}

TEST(TextOutAngle, UsesTheStyleFlagsNotTheFont) {
    EngineHarness h(2);
    auto draw = [&](QStringList program) {
        program << "TextOutAngle,50,50,\"Veridi\",0";
        h.engine.ListbyProgram = program;
        return h.drawScreen().copy();
    };
    const QImage plain = draw({"FontSize,20"});
    EXPECT_EQ(draw({"FontSize,20", "FontName,\"ＭＳ 明朝\""}), plain);
    EXPECT_NE(draw({"FontSize,20", "FontStyle,BOLD"}), plain);
    EXPECT_NE(draw({"FontSize,30"}), plain);
}

TEST(DrawGraphics, HiddenPreviewDrawsAndPrintsNothing) {
    EngineHarness h(2);
    h.engine.ListbyProgram = QStringList{"Line,10,10,20,10", "LINE,1"};
    h.engine.Image1.fill(Qt::red);
    h.engine.Visible = false;
    h.engine.DrawGraphics();
    EXPECT_EQ(h.engine.Image1.pixel(0, 0), qRgb(255, 0, 0));
    h.engine.nTgtCanvas = 0;
    h.engine.DrawGraphics();
    EXPECT_TRUE(h.printer.pages().empty());
    EXPECT_TRUE(h.prompts.messages.isEmpty());
}

TEST(DrawGraphics, OneJobPerPrintAndScreenNotifications) {
    EngineHarness h(2);
    int notified = 0;
    h.engine.pageImageChanged = [&] { ++notified; };
    h.engine.ListbyProgram = QStringList{"Line,10,10,20,10"};
    h.drawPrinter();
    h.drawPrinter();
    EXPECT_EQ(h.printer.pages().size(), 2u);
    EXPECT_EQ(notified, 0);
    // The screen image was not touched by printing.
    EXPECT_EQ(inkIn(h.engine.Image1, h.engine.Image1.rect()), 0);
    h.drawScreen();
    EXPECT_EQ(notified, 1);
}

TEST(DrawGraphics, PageViewReducesThePageImage) {
    EngineHarness h(2);
    h.engine.PageView = 2;
    h.engine.SetPageImageSize(384, 480);
    ASSERT_EQ(h.engine.nTgtCanvas, 2);
    h.engine.fMesh = 1;
    h.engine.fScale = 1;
    h.engine.ListbyProgram = QStringList{"PenSize,4", "Line,20,100,100,100"};
    h.drawScreen();
    const QImage& reduced = h.engine.Image2;
    EXPECT_TRUE(darkSpanInRow(reduced, RoundOff(100 * 96 / 25.4L / 2)));
    // No grid or ruler in the page view.
    EXPECT_EQ(inkIn(h.engine.Image1, QRect(0, 0, 768, 20)), 0);
}

// Prompts that ask the engine to redraw while a format error is shown, as a resized window would.
class RedrawingPrompts : public veridi::test::FakePrompts {
public:
    DrawEngine* engine = nullptr;
    void message(const QString& text, Icon icon) override {
        FakePrompts::message(text, icon);
        engine->DrawGraphics();
    }
};

TEST(DrawGraphics, ARedrawFromInsideAMessageIsNotStartedOnTop) {
    RedrawingPrompts prompts;
    ImagePrinter printer(600, 600, QSize(4800, 6000));
    DrawEngine engine(prompts, &printer, 96);
    prompts.engine = &engine;
    engine.UnitType = 2;
    engine.Visible = true;
    engine.SetImageSize(768, 960);
    engine.ListbyProgram = QStringList{"LINE,1", "Line,10,10,20,10"};
    engine.DrawGraphics();
    EXPECT_EQ(prompts.messages, QStringList{"LINE, FORMAT ERROR"});
    engine.ListbyProgram = QStringList{"Line,10,10,20,10"};
    engine.DrawGraphics();
    EXPECT_TRUE(darkSpanInRow(engine.Image1, 38));
}

} // namespace

namespace {

TEST(HostileValues, DrawWithoutCrashOrHang) {
    const QStringList lines[] = {
        {"FontSize,1e12", "TextOut,0,0,\"あいう\",NIL", "TextOutAngle,10,10,\"あ\",450"},
        {"Line,-1e30,-1e30,1e30,1e30", "Line,1e400,0,0,1e400"},
        {"PenSize,1e12", "Line,0,0,10,10", "PenStyle,psDash", "Line,0,20,100,20"},
        {"TextOut,1e30,-1e30,\"x\",1e30", "TextOutAngle,1,1,\"x\",1e30"},
        {"BrushColor,red", "TextOut,0,0,\"" + QString(5000, u'W') + "\",0.0001"},
    };
    for (const QStringList& program : lines) {
        EngineHarness h(2);
        h.engine.ListbyProgram = program;
        h.drawScreen();
        EXPECT_TRUE(h.prompts.messages.isEmpty()) << program.join(u'|').left(80).toStdString();
    }
}

TEST(HostileValues, AListBeyondItsDrawingBudgetIsCutShortAndSaidOnce) {
    EngineHarness h(2);
    // Far more page-long lines than a real page draws; the line at 100 mm is never reached.
    QStringList heavy(40000, QStringLiteral("Line,0,0,0,250"));
    heavy << QStringLiteral("Line,100,100,150,100");
    h.engine.ListByFile = heavy;
    h.engine.ListbyProgram = QStringList{"Line,100,120,150,120"};
    const QString cutShort = QStringLiteral("TOO MUCH TO DRAW, THE REST OF THE LIST IS LEFT OUT");
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(inkIn(screen, QRect(370, 368, 200, 20)), 0);
    EXPECT_GT(inkIn(screen, QRect(370, 450, 200, 10)), 0); // every list has a budget of its own
    EXPECT_EQ(h.prompts.messages, QStringList{cutShort});
    h.drawScreen();
    EXPECT_EQ(h.prompts.messages, QStringList{cutShort});
    heavy[0] = QStringLiteral("Line,0,0,1,250");
    h.engine.ListByFile = heavy;
    h.drawScreen();
    EXPECT_EQ(h.prompts.messages, (QStringList{cutShort, cutShort}));
}

} // namespace

namespace {

TEST(DrawGraphics, AnyViewModeDrawsOnTheScreen) {
    for (int view : {0, 1, 2, 7}) {
        EngineHarness h(2);
        h.engine.PageView = view;
        h.engine.SetImageSize(768, 960);
        h.engine.ListbyProgram = QStringList{"Line,10,10,20,10"};
        h.engine.DrawGraphics();
        EXPECT_NE(h.engine.nTgtCanvas, 0) << view;
        EXPECT_TRUE(h.printer.pages().empty()) << view;
        EXPECT_TRUE(darkSpanInRow(h.engine.Image1, 38)) << view;
    }
}

} // namespace
