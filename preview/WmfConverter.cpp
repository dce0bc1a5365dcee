#include "MetafileConverter.h"

#include "IsolatedCall.h"

#include <QtEndian>

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstdio>
#include <cstring>
#include <mutex>

namespace veridi {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kStandardHeaderBytes = 18;

// What the helper process answers when libwmf could load none of its fonts; an SVG never
// begins with a zero byte.
const QByteArray kNoFonts = QByteArrayLiteral("\0libwmf-no-fonts");

// libwmf trusts its input more than we do; only bytes that begin like a metafile reach it.
bool looksLikeWmf(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype offset = 0;
    if (bytes.size() >= 4 && qFromLittleEndian<quint32>(data) == kPlaceableKey)
        offset = kPlaceableHeaderBytes;
    if (bytes.size() < offset + kStandardHeaderBytes)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(data + offset);
    const quint16 headerWords = qFromLittleEndian<quint16>(data + offset + 2);
    const quint16 version = qFromLittleEndian<quint16>(data + offset + 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

class WmfSession {
public:
    WmfSession() {
        wmfAPI_Options options;
        std::memset(&options, 0, sizeof options);
        options.function = wmf_svg_function;
        // libwmf's errors go to a log of ours: one of them tells missing fonts from a bad file.
        errorLog_ = std::tmpfile();
        options.error_out = errorLog_;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_DEBUG |
                                    (errorLog_ ? WMF_OPT_LOG_ERROR : WMF_OPT_NO_ERROR);
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None)
            api_ = nullptr;
    }
    ~WmfSession() {
        if (api_)
            wmf_api_destroy(api_);
        if (errorLog_)
            std::fclose(errorLog_);
    }
    WmfSession(const WmfSession&) = delete;
    WmfSession& operator=(const WmfSession&) = delete;

    QByteArray convert(QByteArray bytes) {
        if (!api_)
            return {};
        // libwmf reads from a mutable buffer; the copy is ours.
        if (wmf_mem_open(api_, reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()) != wmf_E_None)
            return {};
        wmfD_Rect bbox;
        if (wmf_scan(api_, 0, &bbox) != wmf_E_None)
            return failure();
        unsigned int width = 0;
        unsigned int height = 0;
        if (wmf_display_size(api_, &width, &height, 72, 72) != wmf_E_None || width == 0 || height == 0)
            return failure();

        wmf_svg_t* device = WMF_SVG_GetData(api_);
        device->out = wmf_stream_create(api_, nullptr);
        device->bbox = bbox;
        device->width = width;
        device->height = height;
        device->flags |= WMF_SVG_INLINE_IMAGES;
        const bool played = wmf_play(api_, 0, &bbox) == wmf_E_None;

        char* text = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api_, device->out, &text, &length);
        device->out = nullptr;
        // The text belongs to the session and goes with it; keep a copy.
        if (played && text)
            return QByteArray(text, static_cast<qsizetype>(length));
        return failure();
    }

private:
    QByteArray failure() const { return lackedFonts() ? kNoFonts : QByteArray(); }

    bool lackedFonts() const {
        if (!errorLog_)
            return false;
        std::fflush(errorLog_);
        std::rewind(errorLog_);
        char line[256];
        while (std::fgets(line, sizeof line, errorLog_))
            if (std::strstr(line, "failed to load *any* font"))
                return true;
        return false;
    }

    wmfAPI* api_ = nullptr;
    std::FILE* errorLog_ = nullptr;
};

// Said once per run, so that a user can tell an installation without libwmf's fonts from
// pictures that are damaged.
void reportMissingFonts() {
    static std::once_flag reported;
    std::call_once(reported, [] {
        std::fputs("veridi: Windows metafile (WMF) pictures cannot be drawn: libwmf finds none of its "
                   "fonts (on Debian they come with the package fonts-urw-base35)\n",
                   stderr);
    });
}

} // namespace

QByteArray wmfToSvg(const QByteArray& bytes, std::chrono::milliseconds time) {
    if (!looksLikeWmf(bytes) || time.count() <= 0)
        return {};
    // libwmf has a history of faults on crafted files; a fault ends only the helper process.
    IsolationLimits limits;
    limits.time = time;
    QByteArray svg = runIsolated(
                         [&bytes] {
                             WmfSession session;
                             return session.convert(bytes);
                         },
                         limits)
                         .value_or(QByteArray());
    if (svg == kNoFonts) {
        reportMissingFonts();
        return {};
    }
    return svg;
}

} // namespace veridi
