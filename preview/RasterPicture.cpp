#include "RasterPicture.h"

namespace veridi {

void RasterPicture::draw(QPainter& painter, const QRectF& target) const {
    painter.drawImage(target, image_);
}

} // namespace veridi
