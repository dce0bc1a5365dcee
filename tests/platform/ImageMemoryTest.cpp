#include "ImageMemory.h"

#include <gtest/gtest.h>

#include <limits>

using namespace veridi;

namespace {

struct ImageRow {
    QSize size;
    QImage::Format format;
    qint64 bytes;
    bool allowed;
};

// The bytes are counted, never allocated: the answer for an enormous size holds under any
// allocator, a sanitizer's included.
TEST(ImageMemory, SizesAreCountedAndRefusedBeforeAllocating) {
    const ImageRow rows[] = {
        {QSize(0, 10), QImage::Format_RGB32, 0, false},
        {QSize(10, -1), QImage::Format_RGB32, 0, false},
        {QSize(1, 1), QImage::Format_RGB32, 4, true},
        {QSize(3, 2), QImage::Format_RGB888, 2 * 12, true}, // 9 bytes padded to 12 per row
        {QSize(33, 1), QImage::Format_Mono, 8, true},
        {QSize(15811, 15811), QImage::Format_RGB32, qint64(15811) * 15811 * 4, true},
        {QSize(16384, 16384), QImage::Format_RGB32, kMaxImageBytes, true},
        {QSize(16384, 16385), QImage::Format_RGB32, kMaxImageBytes + 16384 * 4, false},
        {QSize(320000, 320000), QImage::Format_RGB32, qint64(320000) * 320000 * 4, false},
        {QSize(2147483647, 2147483647), QImage::Format_RGB32, std::numeric_limits<qint64>::max(), false},
        {QSize(2147483647, 2147483647), QImage::Format_RGBA32FPx4, std::numeric_limits<qint64>::max(), false},
    };
    for (const ImageRow& row : rows) {
        EXPECT_EQ(imageBytes(row.size, row.format), row.bytes)
            << row.size.width() << "x" << row.size.height();
        EXPECT_EQ(imageSizeAllowed(row.size, row.format), row.allowed)
            << row.size.width() << "x" << row.size.height();
    }
}

} // namespace
