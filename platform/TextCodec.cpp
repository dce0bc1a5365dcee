#include "TextCodec.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace veridi {
namespace {

// A converter of the C library, released on every path.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    // iconv_open reports failure with this very value.
    bool valid() const {
        return handle_ != reinterpret_cast<iconv_t>(-1); // NOLINT(performance-no-int-to-ptr)
    }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

constexpr char16_t kReplacement = u'\uFFFD';

} // namespace

QString decodeCp932(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    IconvHandle cd("UTF-16LE", "CP932");
    if (!cd.valid())
        return QString::fromLatin1(bytes);

    QString out;
    std::vector<char> buffer(4096);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out += QString::fromUtf16(reinterpret_cast<const char16_t*>(buffer.data()),
                                  static_cast<qsizetype>((buffer.size() - outLeft) / 2));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or truncated byte sequence: one replacement character, then go on.
            out += QChar(kReplacement);
            ++in;
            --inLeft;
        }
    }
    return out;
}

QByteArray encodeCp932(const QString& text, bool* ok) {
    if (ok)
        *ok = true;
    if (text.isEmpty())
        return {};
    IconvHandle cd("CP932", "UTF-16LE");
    if (!cd.valid()) {
        if (ok)
            *ok = false;
        return text.toLatin1();
    }

    QByteArray out;
    std::vector<char> buffer(4096);
    char* in =
        reinterpret_cast<char*>(const_cast<char16_t*>(reinterpret_cast<const char16_t*>(text.utf16())));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), static_cast<qsizetype>(buffer.size() - outLeft));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // A character the code page lacks (or half a surrogate pair): "?" in its place.
            if (ok)
                *ok = false;
            out.append('?');
            const bool pair = inLeft >= 4 && QChar::isHighSurrogate(*reinterpret_cast<char16_t*>(in)) &&
                              QChar::isLowSurrogate(*reinterpret_cast<char16_t*>(in + 2));
            const size_t skip = pair ? 4 : 2;
            in += skip;
            inLeft -= skip;
        }
    }
    return out;
}

QString decodeCommandFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        const auto encoding =
            bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
        QStringDecoder decoder(encoding);
        return decoder(bytes.mid(2));
    }
    return decodeCp932(bytes);
}

} // namespace veridi
