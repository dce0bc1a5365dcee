#pragma once

#include <QPainter>
#include <QRectF>

#include <memory>

namespace veridi {

// A decoded picture of a PICTURE command, ready to be drawn stretched into a rectangle on any
// target. Raster and vector pictures implement it.
class Picture {
public:
    virtual ~Picture() = default;
    virtual void draw(QPainter& painter, const QRectF& target) const = 0;
};

// One of the fifteen picture slots; empty when null.
using PictureSlot = std::shared_ptr<const Picture>;

} // namespace veridi
