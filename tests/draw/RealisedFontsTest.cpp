#include "RealisedFonts.h"
#include "TextPainting.h"

#include <gtest/gtest.h>

namespace veridi {
namespace {

// Kept fonts stand for fresh ones: per size, style and resolution, not per colour, and still
// right after more fonts than are kept have come and gone.
TEST(RealisedFonts, GivesTheFontRealisedAnewForEveryRequest) {
    RealisedFonts fonts;
    for (int round = 0; round < 2; ++round)
        for (qint32 size = 8; size < 20; ++size)
            for (const qint32 dpi : {96, 600}) {
                DrawFont font{QStringLiteral("IPAGothic"), size, size % 2 == 0, size % 3 == 0};
                font.color = round ? Qt::red : Qt::black;
                EXPECT_EQ(fonts.get(font, dpi), realiseFont(font, dpi)) << size << ' ' << dpi;
            }
}

} // namespace
} // namespace veridi
