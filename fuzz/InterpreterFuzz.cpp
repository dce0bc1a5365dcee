// The interpreter drawing any command list onto a small page. The first byte picks the unit,
// the target (page image, page-view image or printer) and the grid and ruler; the other bytes
// are the lines of the file list, which the hand-typed list repeats. Picture slots 0, 5 and 10
// hold a small picture, the others are empty.

#include "DrawEngine.h"
#include "FakePrompts.h"
#include "FuzzSupport.h"
#include "ImagePrinter.h"
#include "RasterPicture.h"

#include <QImage>

#include <memory>

using namespace veridi;
using veridi::fuzz::require;

namespace {

// A 300 dpi printer page of 600 x 750 dots and a 96 dpi screen: a page image of 192 x 240.
constexpr int kPrinterDpi = 300;
constexpr int kScreenDpi = 96;
const QSize kPrinterPage(600, 750);

PictureSlot smallPicture() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    return std::make_shared<RasterPicture>(image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    veridi::fuzz::ensureGuiApplication();
    const std::uint8_t choice = data[0];
    const QStringList lines = QString::fromUtf8(veridi::fuzz::bytesOf(data + 1, size - 1)).split(u'\n');

    veridi::test::FakePrompts prompts;
    ImagePrinter printer(kPrinterDpi, kPrinterDpi, kPrinterPage);
    DrawEngine engine(prompts, &printer, kScreenDpi);
    engine.UnitType = choice % 3;
    engine.Visible = true;
    const QSize page = engine.oneToOneSize();
    engine.SetImageSize(page.width(), page.height());
    engine.fMesh = (choice >> 2) & 1;
    engine.fScale = (choice >> 3) & 1;
    if (choice & 0x10) {
        engine.PageView = 2;
        engine.SetPageImageSize(page.width() / 2, page.height() / 2);
    }
    if (choice & 0x20)
        engine.nTgtCanvas = 0;
    const PictureSlot picture = smallPicture();
    engine.Bmp[0] = engine.Bmp[5] = engine.Bmp[10] = picture;
    engine.ListByFile = lines;
    if (choice & 0x40)
        engine.ListByManual = lines;

    engine.DrawGraphics();
    require(engine.Image1.size() == page, "the page image keeps its size");
    if (engine.nTgtCanvas == 0)
        require(printer.pages().size() == 1, "a printer drawing is one page");
    // A second drawing reads the lists anew and keeps the page as it is.
    engine.DrawGraphics();
    require(engine.Image1.size() == page, "a redraw keeps the page image's size");
    if (engine.nTgtCanvas == 0)
        require(printer.pages().size() == 2, "each printer drawing is one page");
    return 0;
}
