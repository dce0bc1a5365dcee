#pragma once

#include "DrawTypes.h"

#include <QFont>

#include <array>
#include <cstddef>

namespace veridi {

// The fonts an engine realised last. A QFont kept from an earlier request holds its font engine,
// which a fresh QFont looks up anew at every measure and draw; a page asks for its few fonts
// hundreds of times.
class RealisedFonts {
public:
    // The font realiseFont gives for font at dpi.
    const QFont& get(const DrawFont& font, qint32 dpi);

private:
    struct Entry {
        DrawFont font;
        qint32 dpi = 0;
        QFont realised;
        bool used = false;
    };
    std::array<Entry, 8> entries_;
    std::size_t next_ = 0; // the entry a new font replaces, in turn
};

} // namespace veridi
