#include "JpegWriter.h"

#include "FileError.h"
#include "JpegErrorManager.h"

#include <QSaveFile>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace veridi {
namespace {

constexpr qsizetype kChunk = qsizetype{64} * 1024;

// Compressed bytes go into a buffer the caller's frame owns, so that nothing leaks or is freed
// twice when libjpeg jumps out half-way.
struct Destination {
    jpeg_destination_mgr base;
    QByteArray* bytes;
};

void startChunk(j_compress_ptr codec) {
    auto* dest = reinterpret_cast<Destination*>(codec->dest);
    const qsizetype used = dest->bytes->size();
    dest->bytes->resize(used + kChunk);
    dest->base.next_output_byte = reinterpret_cast<JOCTET*>(dest->bytes->data() + used);
    dest->base.free_in_buffer = static_cast<size_t>(kChunk);
}

boolean nextChunk(j_compress_ptr codec) {
    startChunk(codec);
    return TRUE;
}

void finish(j_compress_ptr codec) {
    auto* dest = reinterpret_cast<Destination*>(codec->dest);
    dest->bytes->resize(dest->bytes->size() - static_cast<qsizetype>(dest->base.free_in_buffer));
}

struct Encoder {
    jpeg_compress_struct info;
    JpegErrorManager error;
    Destination destination;
    bool created = false;

    ~Encoder() {
        if (created)
            jpeg_destroy_compress(&info);
    }
};

// Only plain data lives in this frame, so that a jump out of libjpeg skips no destructor. Each
// row of the 32-bit image goes through the caller's one-row buffer, so no 24-bit copy of the
// whole page is made.
bool compress(Encoder& e, const QImage* image, JSAMPLE* row, int quality) {
    if (setjmp(e.error.jump))
        return false;
    e.info.err = installJpegErrorManager(e.error);
    jpeg_create_compress(&e.info);
    e.created = true;
    e.destination.base.init_destination = startChunk;
    e.destination.base.empty_output_buffer = nextChunk;
    e.destination.base.term_destination = finish;
    e.info.dest = &e.destination.base;
    e.info.image_width = static_cast<JDIMENSION>(image->width());
    e.info.image_height = static_cast<JDIMENSION>(image->height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    const int width = image->width();
    while (e.info.next_scanline < e.info.image_height) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image->constScanLine(int(e.info.next_scanline)));
        JSAMPLE* sample = row;
        for (int x = 0; x < width; ++x) {
            *sample++ = JSAMPLE(qRed(pixels[x]));
            *sample++ = JSAMPLE(qGreen(pixels[x]));
            *sample++ = JSAMPLE(qBlue(pixels[x]));
        }
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    return true;
}

} // namespace

QByteArray encodeJpeg(const QImage& image, int quality) {
    if (image.isNull())
        return {};
    // Page images are already 32-bit; only other images are converted whole.
    const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return {};
    std::vector<JSAMPLE> row(size_t(rgb.width()) * 3);
    QByteArray bytes;
    Encoder e;
    std::memset(&e.info, 0, sizeof e.info);
    std::memset(&e.destination, 0, sizeof e.destination);
    e.destination.bytes = &bytes;
    if (!compress(e, &rgb, row.data(), std::clamp(quality, 1, 100)))
        return {};
    return bytes;
}

void writeJpegFile(const QImage& image, const QString& fileName, int quality) {
    const QByteArray bytes = encodeJpeg(image, quality);
    if (bytes.isEmpty())
        throw FileError::cannotWrite(fileName, QStringLiteral("The image could not be compressed."));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::cannotOpen(fileName, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileError::cannotWrite(fileName, file.errorString());
}

} // namespace veridi
