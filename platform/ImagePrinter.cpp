#include "ImagePrinter.h"

#include "ImageMemory.h"

namespace veridi {

namespace {
int dotsPerMetre(int dpi) {
    return qRound(dpi / 0.0254);
}
} // namespace

ImagePrinter::ImagePrinter(int dpiX, int dpiY, QSize printableSize)
    : dpiX_(dpiX), dpiY_(dpiY), size_(printableSize) {}

QPaintDevice* ImagePrinter::beginJob() {
    if (imageSizeAllowed(size_, QImage::Format_RGB32))
        current_ = QImage(size_, QImage::Format_RGB32);
    if (current_.isNull())
        throw PrintJobError("the printer page cannot be allocated");
    current_.fill(Qt::white);
    current_.setDotsPerMeterX(dotsPerMetre(dpiX_));
    current_.setDotsPerMeterY(dotsPerMetre(dpiY_));
    return &current_;
}

void ImagePrinter::endJob() {
    pages_.push_back(current_);
    current_ = QImage();
}

} // namespace veridi
