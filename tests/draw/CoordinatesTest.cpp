#include "CommandLine.h"
#include "EngineHarness.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace veridi;
using veridi::test::EngineHarness;

namespace {

TEST(RoundOff, HalvesAwayFromZero) {
    const std::pair<Real, qint32> cases[] = {
        {2.5L, 3},
        {-2.5L, -3},
        {2.4999L, 2},
        {-2.4999L, -2},
        {0, 0},
        {-0.0L, 0},
        {236.22L, 236},
        {37.79L, 38},
        {1e30L, INT32_MAX},
        {-1e30L, INT32_MIN},
        {NAN, 0},
        // Just short of the next integer, closer than a double can tell.
        {2.5L - 0x1p-62L, 2},
        {-2.5L + 0x1p-62L, -2},
        {2147483646.5L - 0x1p-32L, 2147483646},
        {2147483646.5L, INT32_MAX},
        {-2147483647.5L + 0x1p-32L, -2147483647},
    };
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(RoundOff(value), rounded) << double(value);
}

struct DeviceCase {
    const char* name;
    int unit;
    int target;
    Real x;
    qint32 deviceX;
};

TEST(UnitToDevice, ConvertsByUnitAndTarget) {
    // The harness page is 4800 dots (203.2 mm, 8 inches) wide at 600 dpi; the screen has 96.
    const DeviceCase cases[] = {
        {"mm on the printer", 2, 0, 25.4L, 600},
        {"mm on the screen", 2, 1, 25.4L, 96},
        {"10 mm on the printer", 2, 0, 10, 236},
        {"10 mm on the screen", 2, 1, 10, 38},
        {"pixels on the printer", 0, 0, 600, 600},
        {"pixels on the screen", 0, 1, 600, 96},
        {"inches on the printer", 1, 0, 1.5L, 900},
        {"inches on the page view", 1, 2, 1.5L, 144},
        {"-5 mm counts from the right", 2, 0, -5, 4682},
        {"-10 mm on the screen", 2, 1, -10, 730},
        {"-1 inch from the right", 1, 0, -1, 4200},
        {"-600 pixels from the right", 0, 1, -600, 672},
        {"more negative than the page stays outside", 2, 0, -300, -2287},
        {"zero stays at the left edge", 2, 0, 0, 0},
        {"unknown unit: device pixels", 7, 1, 12.5L, 13},
        {"unknown unit: no far-edge rule", 7, 0, -5, -5},
    };
    for (const auto& c : cases) {
        EngineHarness h(c.unit);
        h.engine.nTgtCanvas = c.target;
        EXPECT_EQ(h.engine.UnitToDeviceX(c.x), c.deviceX) << c.name;
    }
}

TEST(UnitToDevice, VerticalUsesThePageHeightAndVerticalResolution) {
    veridi::test::FakePrompts prompts;
    ImagePrinter printer(600, 300, QSize(4800, 3000)); // 10 inches high
    DrawEngine engine(prompts, &printer, 96);
    engine.UnitType = 1;
    engine.nTgtCanvas = 0;
    EXPECT_EQ(engine.UnitToDeviceY(1), 300);
    EXPECT_EQ(engine.UnitToDeviceY(-1), 2700);
    EXPECT_EQ(engine.UnitToDeviceX(1), 600);
    engine.nTgtCanvas = 1;
    EXPECT_EQ(engine.UnitToDeviceY(-1), 864);
    engine.UnitType = 0;
    EXPECT_EQ(engine.UnitToDeviceY(300), 96);
    EXPECT_EQ(engine.UnitToDeviceY(-300), 864);
    EXPECT_NEAR(double(engine.Get_UnitHeight()), 3000, 0);
    engine.UnitType = 2;
    EXPECT_NEAR(double(engine.Get_UnitHeight()), 254, 1e-12);
    EXPECT_NEAR(double(engine.Get_UnitWidth()), 203.2, 1e-12);
    EXPECT_EQ(engine.RatioX, 6.25L);
    EXPECT_EQ(engine.RatioY, 3.125L);
}

TEST(Printer, MissingPrinterIsReportedOnce) {
    veridi::test::FakePrompts prompts;
    DrawEngine engine(prompts, nullptr, 96);
    EXPECT_EQ(engine.ErrorNum, 1);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("デフォルトのプリンタの設定を確認下さい")});
    engine.Visible = true;
    engine.nTgtCanvas = 0;
    engine.DrawGraphics(); // neither a crash nor a job
    EXPECT_EQ(prompts.messages.size(), 1);
}

class RaisingPrinter : public PrinterDevice {
public:
    int dpiX() const override { throw NoPrinterError(); }
    int dpiY() const override { throw NoPrinterError(); }
    QSize printableSize() const override { throw NoPrinterError(); }
    QPaintDevice* beginJob() override { throw PrintJobError("no"); }
    void endJob() override {}
};

TEST(Printer, ANoPrinterErrorKeepsTheOldFacts) {
    EngineHarness h;
    RaisingPrinter broken;
    h.engine.setPrinterDevice(&broken);
    h.engine.GetPrinterRes();
    EXPECT_EQ(h.engine.ErrorNum, 1);
    EXPECT_EQ(h.engine.PrinterResX, 600);
    EXPECT_EQ(h.engine.RatioX, 6.25L);
    EXPECT_EQ(h.prompts.messages, QStringList{QStringLiteral("デフォルトのプリンタの設定を確認下さい")});
}

DrawFont font(const char* face, int size) {
    DrawFont f;
    f.name = QString::fromUtf8(face);
    f.size = size;
    return f;
}

TEST(Measuring, InchAndMmFollowTheTarget) {
    EngineHarness h(1);
    h.engine.SetFontSets(font("ＭＳ 明朝", 12));
    const QString text = QStringLiteral("12 ＋ 34 = ");
    h.engine.nTgtCanvas = 1;
    const Real screenInches = h.engine.GetWidth(text);
    const Real screenHeight = h.engine.GetHeight(text);
    h.engine.nTgtCanvas = 0;
    const Real printerInches = h.engine.GetWidth(text);
    const Real printerHeight = h.engine.GetHeight(text);
    EXPECT_GT(screenInches, 0.5L);
    // The same text has about the same size in inches on both targets.
    EXPECT_NEAR(double(screenInches), double(printerInches), 2.0 / 96);
    EXPECT_NEAR(double(screenHeight), double(printerHeight), 2.0 / 96);
    // Screen measurements are whole screen pixels.
    h.engine.nTgtCanvas = 1;
    EXPECT_NEAR(double(screenInches * 96), std::round(double(screenInches * 96)), 1e-9);
    h.engine.UnitType = 2;
    EXPECT_NEAR(double(h.engine.GetWidth(text)), double(screenInches * 25.4L), 1e-12);
    EXPECT_NEAR(double(h.engine.GetHeight(text)), double(screenHeight * 25.4L), 1e-12);
    // A 12-point line is a little more than 12 points high.
    EXPECT_GT(screenHeight, 12.0L / 72);
    EXPECT_LT(screenHeight, 2 * 12.0L / 72);
}

TEST(Measuring, PixelUnitsMeasureOnThePrinterCanvasWithOneDotMore) {
    EngineHarness h(0);
    h.engine.SetFontSets(font("ＭＳ ゴシック", 10));
    const QString text = QStringLiteral("あいうえお");
    h.engine.nTgtCanvas = 0;
    const Real dotsWidth = h.engine.GetWidth(text);
    const Real dotsHeight = h.engine.GetHeight(text);
    h.engine.UnitType = 1;
    const Real inchHeight = h.engine.GetHeight(text);
    const Real inchWidth = h.engine.GetWidth(text);
    EXPECT_NEAR(double(dotsHeight), double(inchHeight * 600 + 1), 1e-9);
    EXPECT_NEAR(double(dotsWidth), double(inchWidth * 600), 1e-9);
    // On the screen target pixel units still measure the printer canvas, even in another font.
    h.engine.UnitType = 0;
    h.engine.nTgtCanvas = 1;
    h.engine.ImageCanvas.font = font("ＭＳ ゴシック", 30);
    EXPECT_EQ(h.engine.GetWidth(text), dotsWidth);
    EXPECT_EQ(h.engine.GetHeight(text), dotsHeight);
    // A monospaced face of 10 points: five full-width characters of 10/72 inch each.
    EXPECT_NEAR(double(dotsWidth), 5 * 10 * 600 / 72.0, 5);
}

TEST(Measuring, UnknownUnitsMeasureInPrinterDots) {
    EngineHarness h(9);
    h.engine.SetFontSets(font("ＭＳ 明朝", 12));
    const Real width = h.engine.GetWidth(QStringLiteral("abc"));
    h.engine.UnitType = 0;
    EXPECT_EQ(width, h.engine.GetWidth(QStringLiteral("abc")));
}

TEST(Fonts, SetFontSetsAndPageStringFonts) {
    EngineHarness h;
    DrawFont f = font("ＭＳ 明朝", 14);
    f.underline = true;
    f.color = Qt::red;
    h.engine.SetFontSets(f);
    EXPECT_EQ(h.engine.ImageCanvas.font, f);
    EXPECT_EQ(h.engine.PrinterCanvas.font, f);

    TPageStr ps;
    ps.psName = QStringLiteral("ＭＳ Ｐゴシック");
    ps.psSize = 20;
    ps.psBold = true;
    DrawFont g = f;
    DrawEngine::SetPageStr2Font(ps, g);
    EXPECT_EQ(g.name, ps.psName);
    EXPECT_EQ(g.size, 20);
    EXPECT_TRUE(g.bold);
    EXPECT_FALSE(g.italic);
    EXPECT_TRUE(g.underline);
    EXPECT_EQ(g.color, QColor(Qt::red));

    // The page image's font is changed and then copied whole onto the printer canvas.
    h.engine.PrinterCanvas.font.color = Qt::blue;
    h.engine.SelectPageStrFont(QStringLiteral("ＭＳ ゴシック"), 8, false, true);
    EXPECT_EQ(h.engine.ImageCanvas.font.name, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_TRUE(h.engine.ImageCanvas.font.italic);
    EXPECT_TRUE(h.engine.ImageCanvas.font.underline);
    EXPECT_EQ(h.engine.PrinterCanvas.font, h.engine.ImageCanvas.font);
    EXPECT_EQ(h.engine.PrinterCanvas.font.color, QColor(Qt::red));
}

TEST(AlignPageStrX, PlacesByMode) {
    EngineHarness h(2);
    h.engine.nTgtCanvas = 1;
    EXPECT_EQ(h.engine.AlignPageStrX(1, 30), 0);
    EXPECT_EQ(h.engine.AlignPageStrX(2, 30), -30);
    EXPECT_EQ(h.engine.AlignPageStrX(5, 30), 0);
    EXPECT_EQ(h.engine.AlignPageStrX(-1, 30), 0);
    // Centred on the page image: 768 pixels at 96 dpi are 203.2 mm.
    EXPECT_NEAR(double(h.engine.AlignPageStrX(3, 3.2L)), 100, 1e-12);
    // Right edge: the text ends on the page's right edge.
    EXPECT_EQ(h.engine.UnitToDeviceX(h.engine.AlignPageStrX(2, 25.4L)), 768 - 96);
    h.engine.nTgtCanvas = 0;
    EXPECT_EQ(h.engine.UnitToDeviceX(h.engine.AlignPageStrX(2, 25.4L)), 4800 - 600);
    h.engine.UnitType = 0;
    EXPECT_EQ(h.engine.AlignPageStrX(3, 800), 2000);
    h.engine.UnitType = 1;
    EXPECT_EQ(h.engine.AlignPageStrX(3, 2), 3);
}

} // namespace
