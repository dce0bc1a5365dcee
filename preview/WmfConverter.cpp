#include "MetafileConverter.h"

#include "IsolatedCall.h"

#include <QtEndian>

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cstring>

namespace veridi {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kStandardHeaderBytes = 18;

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
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None)
            api_ = nullptr;
    }
    ~WmfSession() {
        if (api_)
            wmf_api_destroy(api_);
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
            return {};
        unsigned int width = 0;
        unsigned int height = 0;
        if (wmf_display_size(api_, &width, &height, 72, 72) != wmf_E_None || width == 0 || height == 0)
            return {};

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
        return played && text ? QByteArray(text, static_cast<qsizetype>(length)) : QByteArray();
    }

private:
    wmfAPI* api_ = nullptr;
};

} // namespace

QByteArray wmfToSvg(const QByteArray& bytes, std::chrono::milliseconds time) {
    if (!looksLikeWmf(bytes) || time.count() <= 0)
        return {};
    // libwmf has a history of faults on crafted files; a fault ends only the helper process.
    IsolationLimits limits;
    limits.time = time;
    return runIsolated(
               [&bytes] {
                   WmfSession session;
                   return session.convert(bytes);
               },
               limits)
        .value_or(QByteArray());
}

} // namespace veridi
