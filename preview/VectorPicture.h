#pragma once

#include "Picture.h"

#include <QByteArray>
#include <QSvgRenderer>

#include <memory>

namespace veridi {

// A metafile converted to SVG; drawn as vectors stretched into the target rectangle, so it
// stays sharp on the printer page.
class VectorPicture : public Picture {
public:
    // Nothing when the SVG does not parse.
    static std::shared_ptr<VectorPicture> fromSvg(const QByteArray& svg);

    void draw(QPainter& painter, const QRectF& target) const override;

private:
    explicit VectorPicture(std::unique_ptr<QSvgRenderer> renderer) : renderer_(std::move(renderer)) {}

    // Rendering does not change the document; the renderer's interface is merely not const.
    std::unique_ptr<QSvgRenderer> renderer_;
};

} // namespace veridi
