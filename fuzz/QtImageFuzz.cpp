// The BMP, ICO and TIFF decoder on any bytes; the first byte picks the format. The limits are
// small so that the reduced reading and the refusal beyond the room are reached by small inputs.

#include "FuzzSupport.h"
#include "QtImageDecoder.h"

using namespace veridi;
using veridi::fuzz::require;

namespace {

constexpr qint64 kMaxPixels = qint64{128} * 128;
constexpr qint64 kRoomPixels = qint64{100} * 100;
constexpr const char* kFormats[] = {"bmp", "ico", "tiff"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    veridi::fuzz::ensureGuiApplication();
    const char* format = kFormats[data[0] % 3];
    const QImage image =
        decodeWithQt(veridi::fuzz::bytesOf(data + 1, size - 1), format, kMaxPixels, kRoomPixels);
    if (image.isNull())
        return 0;
    const qint64 pixels = qint64(image.width()) * image.height();
    require(pixels > 0 && pixels <= kMaxPixels, "a large picture is read reduced");
    require(pixels <= kRoomPixels, "a picture beyond the room is not read");
    return 0;
}
