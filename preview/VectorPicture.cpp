#include "VectorPicture.h"

namespace veridi {

std::shared_ptr<VectorPicture> VectorPicture::fromSvg(const QByteArray& svg) {
    auto renderer = std::make_unique<QSvgRenderer>();
    if (!renderer->load(svg) || !renderer->isValid())
        return nullptr;
    return std::shared_ptr<VectorPicture>(new VectorPicture(std::move(renderer)));
}

void VectorPicture::draw(QPainter& painter, const QRectF& target) const {
    // The document's view box is mapped onto the whole rectangle, whatever its aspect.
    renderer_->render(&painter, target);
}

} // namespace veridi
