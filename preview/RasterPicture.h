#pragma once

#include "Picture.h"

#include <QImage>

namespace veridi {

// A decoded raster picture, drawn stretched into the target rectangle.
class RasterPicture : public Picture {
public:
    explicit RasterPicture(QImage image) : image_(std::move(image)) {}

    void draw(QPainter& painter, const QRectF& target) const override;
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

} // namespace veridi
