#pragma once

#include "DrawEngine.h"
#include "FakePrompts.h"
#include "ImagePrinter.h"

namespace veridi {

// The drawing engine as the preview sets it up for an A4 page: millimetres, a 600 dpi printer
// page and its 1:1 image at 96 dpi, shown.
struct A4PageEngine {
    test::FakePrompts prompts;
    ImagePrinter printer{600, 600, QSize(4760, 6814)};
    DrawEngine engine{prompts, &printer, 96};

    A4PageEngine() {
        engine.UnitType = 2;
        engine.Visible = true;
        engine.SetImageSize(761, 1090);
    }
};

} // namespace veridi
