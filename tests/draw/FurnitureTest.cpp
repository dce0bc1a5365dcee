#include "EngineHarness.h"

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::EngineHarness;
using veridi::test::inkBounds;
using veridi::test::inkIn;

namespace {

void configure(TPageStr& ps, const QString& text, qint32 mode, const QString& x = "0",
               const QString& y = "0") {
    ps.SetSets(text, QStringLiteral("ＭＳ ゴシック"), 20, mode, x, y, false, false);
}

// The screen height of a 20-point line of the test face, in pixels.
int lineHeightPixels(EngineHarness& h) {
    h.engine.SelectPageStrFont(QStringLiteral("ＭＳ ゴシック"), 20, false, false);
    return RoundOff(h.engine.GetHeight(QStringLiteral("x")) * 96 / 25.4L);
}

TEST(PageStrings, CentredTitleSitsBelowTheCentredHeader) {
    EngineHarness h(2);
    configure(h.engine.Header, QStringLiteral("HHHH"), 3);
    configure(h.engine.PageTitle, QStringLiteral("TTTT"), 3);
    const int line = lineHeightPixels(h);
    const QImage& screen = h.drawScreen();
    const QRect header = inkBounds(screen, QRect(0, 0, 768, line));
    const QRect title = inkBounds(screen, QRect(0, line, 768, line));
    ASSERT_FALSE(header.isEmpty());
    ASSERT_FALSE(title.isEmpty());
    EXPECT_NEAR(header.center().x(), 384, 3);
    EXPECT_NEAR(title.center().x(), 384, 3);
    EXPECT_EQ(inkIn(screen, QRect(0, 2 * line, 768, 960 - 2 * line)), 0);
    EXPECT_TRUE(h.engine.Header.psDrawn);
    EXPECT_TRUE(h.engine.PageTitle.psDrawn);
}

TEST(PageStrings, WithoutHeaderATitleStandsInTheTopLeftCorner) {
    EngineHarness h(2);
    configure(h.engine.Header, QString(), 1);
    configure(h.engine.PageTitle, QStringLiteral("TTTT"), 1);
    const QRect ink = inkBounds(h.drawScreen(), QRect(0, 0, 768, 960));
    EXPECT_LT(ink.top(), 10);
    EXPECT_LT(ink.left(), 10);
    EXPECT_FALSE(h.engine.Header.psDrawn);
}

TEST(PageStrings, HeaderInModeFourMovesTheTitleDown) {
    EngineHarness h(2);
    configure(h.engine.Header, QStringLiteral("HHHH"), 4, "100", "20");
    configure(h.engine.SubTitle, QStringLiteral("SSSS"), 1);
    const int line = lineHeightPixels(h);
    const QImage& screen = h.drawScreen();
    const QRect sub = inkBounds(screen, QRect(0, 0, 300, 960));
    EXPECT_GE(sub.top(), 76 + line - 1); // 20 mm plus the header's height
    EXPECT_LT(sub.top(), 76 + 2 * line);
    const QRect header = inkBounds(screen, QRect(300, 0, 468, 960));
    EXPECT_GE(header.left(), 377);
    EXPECT_GE(header.top(), 75);
}

TEST(PageStrings, FooterStandsOnTheBottomEdgeOrOnThePageNote) {
    EngineHarness h(2);
    configure(h.engine.Footer, QStringLiteral("FFFF"), 1);
    const QRect alone = inkBounds(h.drawScreen(), QRect(0, 0, 768, 960));
    EXPECT_GT(alone.bottom(), 960 - 10);
    EXPECT_LT(alone.left(), 10);

    h.engine.SetCopyright(QStringLiteral("この問題はVeridiで印刷しました。"));
    const QImage& screen = h.drawScreen();
    const int note =
        RoundOff(h.engine.GetHeight(QStringLiteral("x")) * 96 / 25.4L); // the note's font is current
    const QRect footer = inkBounds(screen, QRect(0, 0, 768, 960 - note));
    EXPECT_LE(footer.bottom(), 960 - note);
    EXPECT_GT(footer.bottom(), 960 - note - 10);
    const QRect noteInk = inkBounds(screen, QRect(0, 960 - note, 768, note));
    EXPECT_FALSE(noteInk.isEmpty());
    EXPECT_LT(noteInk.left(), 10);
}

TEST(PageStrings, NegativeModes) {
    EngineHarness h(2);
    configure(h.engine.Header, QStringLiteral("HHHH"), -1);
    configure(h.engine.Footer, QStringLiteral("FFFF"), -1);
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(inkIn(screen, QRect(0, 0, 768, 480)), 0);
    const QRect footer = inkBounds(screen, QRect(0, 480, 768, 480));
    EXPECT_LT(footer.left(), 10);
    EXPECT_FALSE(h.engine.Header.psDrawn);
    EXPECT_TRUE(h.engine.Footer.psDrawn);
}

TEST(PageStrings, ModeFourNeedsNumbers) {
    EngineHarness h(2);
    configure(h.engine.SubTitle, QStringLiteral("SSSS"), 4, "10", "abc");
    EXPECT_EQ(inkIn(h.drawScreen(), QRect(0, 0, 768, 960)), 0);
    EXPECT_FALSE(h.engine.SubTitle.psDrawn);
}

TEST(PageStringCommands, TheFirstThatDrawsWinsAndTheConfiguredOneIsNotDrawn) {
    EngineHarness h(2);
    configure(h.engine.Header, QStringLiteral("CONF"), 1);
    const TPageStr configured = h.engine.Header;
    h.engine.ListbyProgram =
        QStringList{"INITPARAM", "FontSize,20", "Header,\"CMD1\",3,0,0", "Header,\"CMD2\",1,0,0"};
    const QImage& screen = h.drawScreen();
    const QRect ink = inkBounds(screen, QRect(0, 0, 768, 960));
    EXPECT_GT(ink.left(), 300); // only the centred command text
    EXPECT_LT(ink.right(), 468);
    EXPECT_TRUE(h.engine.Header.psDrawn);
    EXPECT_EQ(h.engine.Header.psStr, configured.psStr);
    EXPECT_EQ(h.engine.Header.psPos, configured.psPos);
    EXPECT_EQ(h.engine.Header.psSize, configured.psSize);
    EXPECT_EQ(h.engine.Header.psName, configured.psName);
}

TEST(PageStringCommands, ModeZeroLeavesTheConfiguredStringToBeDrawn) {
    EngineHarness h(2);
    configure(h.engine.PageTitle, QStringLiteral("CONF"), 2);
    h.engine.ListbyProgram = QStringList{"PageTitle,\"CMD\",0,0,0"};
    const QRect ink = inkBounds(h.drawScreen(), QRect(0, 0, 768, 960));
    EXPECT_GT(ink.right(), 760); // the configured title at the right edge
    EXPECT_GT(ink.left(), 600);
}

TEST(PageStringCommands, AModeWithADecimalPointIsZero) {
    EngineHarness h(2);
    h.engine.ListbyProgram = QStringList{"Header,\"CMD\",1.0,0,0", "Header,\"CMD\",x,0,0"};
    EXPECT_EQ(inkIn(h.drawScreen(), QRect(0, 0, 768, 960)), 0);
    EXPECT_FALSE(h.engine.Header.psDrawn);
}

TEST(PageStringCommands, AShortCommandReportsAndLeavesTheStringAsItWas) {
    EngineHarness h(2);
    configure(h.engine.Header, QStringLiteral("CONF"), 2);
    const TPageStr before = h.engine.Header;
    h.engine.ListbyProgram = QStringList{"Header,\"CMD\",1,0", "Line,1,30,50,30"};
    const QImage& screen = h.drawScreen();
    EXPECT_EQ(h.prompts.messages, QStringList{"HEADER, FORMAT ERROR"});
    EXPECT_EQ(h.engine.Header.psStr, before.psStr);
    EXPECT_EQ(h.engine.Header.psPos, before.psPos);
    EXPECT_EQ(h.engine.Header.psX, before.psX);
    EXPECT_EQ(inkIn(screen, QRect(0, 100, 768, 20)), 0);             // the list stopped
    EXPECT_GT(inkBounds(screen, QRect(0, 0, 768, 960)).left(), 600); // configured header drawn
}

TEST(PageStringCommands, AnUnreadableCoordinateLeavesTheKindUndrawn) {
    EngineHarness h(2);
    configure(h.engine.SubTitle, QStringLiteral("CONF"), 2);
    h.engine.ListbyProgram =
        QStringList{"FontSize,20", "SubTitle,\"BAD\",4,10,y", "SubTitle,\"GOOD\",4,10,100"};
    const QImage& screen = h.drawScreen();
    const QRect ink = inkBounds(screen, QRect(0, 0, 768, 960));
    EXPECT_GE(ink.top(), 377); // only GOOD, at 100 mm
    EXPECT_GE(ink.left(), 37);
    EXPECT_LT(ink.right(), 600);
}

TEST(PageNote, SitsOnTheBottomEdgeInItsOwnFont) {
    EngineHarness h(2);
    h.engine.SetCopyright(QStringLiteral("この問題はVeridiで印刷しました。"));
    h.engine.ListbyProgram = QStringList{"FontColor,red", "FontSize,30"};
    const QImage& screen = h.drawScreen();
    const QRect ink = inkBounds(screen, screen.rect());
    EXPECT_LT(ink.left(), 6);
    EXPECT_GT(ink.top(), 930);
    EXPECT_LE(ink.bottom(), 959);
    // Drawn again after the lists: black, whatever the lists left.
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            EXPECT_EQ(qRed(screen.pixel(x, y)), qBlue(screen.pixel(x, y)));
    h.engine.SetCopyright(QString());
    EXPECT_EQ(inkIn(h.drawScreen(), screen.rect()), 0);
}

bool isGreen(QRgb p) {
    return qGreen(p) > 100 && qRed(p) < 60 && qBlue(p) < 60;
}

// Columns of the top part of the image where a vertical green line runs.
QList<int> verticalGreenLines(const QImage& image, int fromRow, int toRow) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        int green = 0;
        for (int y = fromRow; y < toRow; ++y)
            if (isGreen(image.pixel(x, y)))
                ++green;
        if (green > (toRow - fromRow) / 5)
            columns << x;
    }
    return columns;
}

TEST(Grid, OneDottedLineEveryTenMillimetres) {
    EngineHarness h(2);
    h.engine.fMesh = 1;
    const QImage& screen = h.drawScreen();
    QList<int> expected;
    for (int mm = 10; mm <= 200; mm += 10)
        expected << RoundOff(mm * 96 / 25.4L);
    EXPECT_EQ(verticalGreenLines(screen, 100, 900), expected);
    // Dotted: a vertical grid line leaves gaps.
    int gaps = 0;
    for (int y = 100; y < 200; ++y)
        gaps += screen.pixel(38, y) == qRgb(255, 255, 255);
    EXPECT_GT(gaps, 20);
}

TEST(Grid, InchAndPixelSteps) {
    EngineHarness h(1);
    h.engine.fMesh = 1;
    EXPECT_EQ(verticalGreenLines(h.drawScreen(), 100, 900), (QList<int>{96, 192, 288, 384, 480, 576, 672}));
    h.engine.UnitType = 0;
    EXPECT_EQ(verticalGreenLines(h.drawScreen(), 100, 900).size(), 47); // every 100 dots, 16 pixels
}

TEST(Ruler, TicksEveryTenMillimetresLongerEveryFifty) {
    EngineHarness h(2);
    h.engine.fScale = 1;
    const QImage& screen = h.drawScreen();
    for (int mm = 0; mm <= 200; mm += 10) {
        const int x = RoundOff(mm * 96 / 25.4L);
        const int expectedLength = mm % 50 == 0 ? 10 : 4;
        int length = 0;
        while (length < 20 && screen.pixel(x, length) == qRgb(0, 128, 0))
            ++length;
        EXPECT_GE(length, expectedLength) << mm;
        EXPECT_LE(length, expectedLength + 1) << mm;
    }
    EXPECT_EQ(screen.pixel(20, 2), qRgb(255, 255, 255));
    // Along the left edge too.
    EXPECT_EQ(screen.pixel(3, RoundOff(30 * 96 / 25.4L)), qRgb(0, 128, 0));
    EXPECT_EQ(screen.pixel(8, RoundOff(30 * 96 / 25.4L)), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(8, RoundOff(250 * 96 / 25.4L)), qRgb(0, 128, 0));
}

TEST(GridAndRuler, NeverInThePageViewOrOnThePrinter) {
    EngineHarness h(2);
    h.engine.fMesh = 1;
    h.engine.fScale = 1;
    h.engine.PageView = 2;
    EXPECT_EQ(inkIn(h.drawScreen(), QRect(0, 0, 768, 960)), 0);
    h.engine.PageView = 1;
    const QImage printed = h.drawPrinter();
    EXPECT_EQ(inkIn(printed, QRect(0, 0, 1000, 1000)), 0);
    EXPECT_GT(inkIn(h.drawScreen(), QRect(0, 0, 768, 960)), 0);
}

} // namespace
