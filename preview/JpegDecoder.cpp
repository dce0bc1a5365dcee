#include "JpegDecoder.h"

#include "JpegErrorManager.h"
#include "PictureLimits.h"

#include <csetjmp>
#include <cstring>

namespace veridi {
namespace {

// A progressive file can ask for thousands of nearly empty scans and keep the decoder busy for
// minutes; real pictures use a dozen or so.
constexpr int kMaxScans = 1000;
// Working memory of the decoder itself (coefficient buffers of progressive files).
constexpr long kMaxDecoderMemory = 512L * 1024 * 1024;

struct Decoder {
    jpeg_decompress_struct info;
    JpegErrorManager error;
    jpeg_progress_mgr progress;
    bool created = false;

    ~Decoder() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

void limitScans(j_common_ptr codec) {
    auto* info = reinterpret_cast<j_decompress_ptr>(codec);
    if (info->input_scan_number > kMaxScans)
        (*codec->err->error_exit)(codec);
}

// First phase: header and output format. Only plain data lives in this frame, so that a jump
// out of libjpeg skips no destructor.
bool readHeader(Decoder& d, const QByteArray& bytes, qint64 maxPixels, qint64 roomPixels) {
    if (setjmp(d.error.jump))
        return false;
    d.info.err = installJpegErrorManager(d.error);
    jpeg_create_decompress(&d.info);
    d.created = true;
    d.info.mem->max_memory_to_use = kMaxDecoderMemory;
    d.progress.progress_monitor = limitScans;
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    if (!picturelimits::acceptableSize(d.info.image_width, d.info.image_height))
        return false;
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
#else
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_ARGB;
#endif
    // The decoder reduces by n/8 while it decodes, so the full picture is never held.
    d.info.scale_denom = 8;
    for (unsigned int n = 8; n >= 1; --n) {
        d.info.scale_num = n;
        jpeg_calc_output_dimensions(&d.info);
        if (qint64(d.info.output_width) * d.info.output_height <= maxPixels)
            break;
    }
    const qint64 pixels = qint64(d.info.output_width) * d.info.output_height;
    return pixels <= maxPixels && pixels <= roomPixels &&
           picturelimits::acceptableSize(d.info.output_width, d.info.output_height) &&
           d.info.output_components == 4;
}

// Adobe writes CMYK inverted; others write it plain.
void cmykToRgb32(uchar* row, JDIMENSION width, bool inverted) {
    auto* out = reinterpret_cast<QRgb*>(row);
    for (JDIMENSION x = 0; x < width; ++x) {
        const uchar* pixel = row + std::size_t{4} * x;
        int c = pixel[0], m = pixel[1], y = pixel[2], k = pixel[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Second phase: the pixels, into an image the caller has allocated.
bool readPixels(Decoder& d, QImage* image) {
    if (setjmp(d.error.jump))
        return false;
    if (!jpeg_start_decompress(&d.info))
        return false;
    const bool cmyk = d.info.out_color_space == JCS_CMYK;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(d.info.output_scanline));
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            return false;
        if (cmyk)
            cmykToRgb32(row, d.info.output_width, d.info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes, qint64 maxPixels, qint64 roomPixels) {
    Decoder d;
    std::memset(&d.info, 0, sizeof d.info);
    std::memset(&d.progress, 0, sizeof d.progress);
    if (bytes.isEmpty() || !readHeader(d, bytes, maxPixels, roomPixels))
        return {};
    QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                 QImage::Format_RGB32);
    if (image.isNull() || !readPixels(d, &image))
        return {};
    return image;
}

} // namespace veridi
