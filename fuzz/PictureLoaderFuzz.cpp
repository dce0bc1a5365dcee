// The picture loader on any file: the first byte picks the extension (and so the decoder:
// JPEG, Qt's readers or a metafile converter), the rest is the file. The file is loaded twice
// in one load and must be decoded once; what is kept stays within the pixel budget.

#include "FuzzSupport.h"
#include "MetafileTime.h"
#include "PictureFile.h"
#include "PictureLoader.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <chrono>

using namespace veridi;
using veridi::fuzz::require;

namespace {

constexpr const char* kExtensions[] = {"bmp", "jpg", "jpeg", "ico", "wmf", "emf", "tif", "tiff"};

PictureBudget smallBudget() {
    PictureBudget budget;
    budget.maxFileBytes = 1 << 20;
    budget.maxPicturePixels = qint64{128} * 128;
    budget.maxSlotPixels = qint64{100} * 100;
    budget.metafileTime = std::chrono::milliseconds(500);
    return budget;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    veridi::fuzz::ensureGuiApplication();
    const QString path = veridi::fuzz::scratchFolder() + QStringLiteral("/picture.") +
                         QLatin1String(kExtensions[data[0] % std::size(kExtensions)]);
    veridi::fuzz::writeFile(path, veridi::fuzz::bytesOf(data + 1, size - 1));

    const PictureBudget budget = smallBudget();
    MetafileTime metafileTime(std::chrono::milliseconds(1000));
    PictureLoader loader(budget, 0, metafileTime);
    const PictureSlot first = loader.load(path);
    const PictureSlot second = loader.load(path);
    require(first == second, "a file named twice gives one picture");
    require(loader.decoded() == 1, "a file named twice is decoded once");
    require(keptPixels(first) <= budget.maxSlotPixels, "a kept picture fits the budget");
    if (first) {
        QImage page(32, 32, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        first->draw(painter, QRectF(2, 2, 28, 20));
    }
    QFile::remove(path);
    return 0;
}
