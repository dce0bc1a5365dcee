// The metafile converters on any bytes; the first byte picks WMF or EMF. The conversion runs in
// a helper process that is stopped when its time is up, so every call returns soon after that
// time whatever the bytes; the SVG it gives is then parsed and drawn in the program itself.

#include "FuzzSupport.h"
#include "MetafileConverter.h"
#include "VectorPicture.h"

#include <QImage>
#include <QPainter>

#include <chrono>

using namespace veridi;
using veridi::fuzz::require;

namespace {

constexpr std::chrono::milliseconds kTime{1000};
// The helper is stopped at kTime; waiting for it to end and reading its output take far less.
constexpr std::chrono::milliseconds kReturnWithin{5000};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    veridi::fuzz::ensureGuiApplication();
    const QByteArray bytes = veridi::fuzz::bytesOf(data + 1, size - 1);
    const auto start = std::chrono::steady_clock::now();
    const QByteArray svg = data[0] % 2 == 0 ? wmfToSvg(bytes, kTime) : emfToSvg(bytes, kTime);
    require(std::chrono::steady_clock::now() - start < kReturnWithin, "a conversion ends with its time");
    if (svg.isEmpty())
        return 0;
    if (const auto picture = VectorPicture::fromSvg(svg)) {
        QImage page(32, 32, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        picture->draw(painter, QRectF(2, 2, 28, 20));
    }
    return 0;
}
