#include "MetafileConverter.h"

#include "IsolatedCall.h"

#include <QtEndian>

#include <emf2svg.h>

#include <cstdlib>

namespace veridi {
namespace {

constexpr quint32 kHeaderRecord = 1;
constexpr quint32 kSignature = 0x464D4520; // " EMF"
constexpr qsizetype kMinHeaderBytes = 88;

// libemf2svg trusts its input more than we do; only bytes that begin with a sound header
// record whose sizes fit the file reach it.
bool looksLikeEmf(const QByteArray& bytes) {
    if (bytes.size() < kMinHeaderBytes)
        return false;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint32 type = qFromLittleEndian<quint32>(data);
    const quint32 headerBytes = qFromLittleEndian<quint32>(data + 4);
    const quint32 signature = qFromLittleEndian<quint32>(data + 40);
    const quint32 totalBytes = qFromLittleEndian<quint32>(data + 48);
    return type == kHeaderRecord && signature == kSignature && headerBytes >= kMinHeaderBytes &&
           headerBytes <= totalBytes && totalBytes <= static_cast<quint64>(bytes.size());
}

QByteArray convert(QByteArray bytes) {
    generatorOptions options{};
    options.nameSpace = const_cast<char*>(""); // plain element names for QSvgRenderer
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char* out = nullptr;
    size_t length = 0;
    // The converter takes a mutable buffer; the copy is ours.
    const int ok = emf2svg(bytes.data(), static_cast<size_t>(bytes.size()), &out, &length, &options);
    QByteArray svg = ok && out ? QByteArray(out, static_cast<qsizetype>(length)) : QByteArray();
    std::free(out);
    return svg;
}

} // namespace

QByteArray emfToSvg(const QByteArray& bytes, std::chrono::milliseconds time) {
    if (!looksLikeEmf(bytes) || time.count() <= 0)
        return {};
    // libemf2svg has a history of faults and endless loops on crafted files; in a helper
    // process they end only the helper.
    IsolationLimits limits;
    limits.time = time;
    return runIsolated([&bytes] { return convert(bytes); }, limits).value_or(QByteArray());
}

} // namespace veridi
