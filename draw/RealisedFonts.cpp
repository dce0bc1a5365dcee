#include "RealisedFonts.h"

#include "TextPainting.h"

namespace veridi {

namespace {

// Everything of a font that its realisation reads: not its colour.
bool sameRealisation(const DrawFont& a, const DrawFont& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
}

} // namespace

const QFont& RealisedFonts::get(const DrawFont& font, qint32 dpi) {
    for (const Entry& entry : entries_)
        if (entry.used && entry.dpi == dpi && sameRealisation(entry.font, font))
            return entry.realised;
    Entry& entry = entries_[next_];
    next_ = (next_ + 1) % entries_.size();
    entry = {font, dpi, realiseFont(font, dpi), true};
    return entry.realised;
}

} // namespace veridi
