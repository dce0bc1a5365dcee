#pragma once

#include <QByteArray>

namespace veridi {

// Windows metafiles are converted to SVG, which QSvgRenderer then draws. An empty result means
// the bytes are not a metafile of that kind or could not be converted.
QByteArray wmfToSvg(const QByteArray& bytes);
QByteArray emfToSvg(const QByteArray& bytes);

} // namespace veridi
