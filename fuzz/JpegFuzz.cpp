// The JPEG decoder on any bytes, with small limits so that the reduced decoding and the refusal
// of pictures beyond the room are reached by small inputs too.

#include "FuzzSupport.h"
#include "JpegDecoder.h"

using namespace veridi;
using veridi::fuzz::require;

namespace {

constexpr qint64 kMaxPixels = qint64{128} * 128;
constexpr qint64 kRoomPixels = qint64{100} * 100;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QImage image = decodeJpeg(veridi::fuzz::bytesOf(data, size), kMaxPixels, kRoomPixels);
    if (image.isNull())
        return 0;
    const qint64 pixels = qint64(image.width()) * image.height();
    require(pixels > 0 && pixels <= kMaxPixels, "a large picture is decoded reduced");
    require(pixels <= kRoomPixels, "a picture beyond the room is not decoded");
    return 0;
}
