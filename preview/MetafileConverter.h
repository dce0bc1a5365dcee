#pragma once

#include "PictureLimits.h"

#include <QByteArray>

#include <chrono>

namespace veridi {

// Windows metafiles are converted to SVG, which QSvgRenderer then draws. An empty result means
// the bytes are not a metafile of that kind or could not be converted within the time given
// (the conversion runs in a helper process that is stopped then; no time means no conversion).
QByteArray wmfToSvg(const QByteArray& bytes, std::chrono::milliseconds time = picturelimits::kMetafileTime);
QByteArray emfToSvg(const QByteArray& bytes, std::chrono::milliseconds time = picturelimits::kMetafileTime);

} // namespace veridi
