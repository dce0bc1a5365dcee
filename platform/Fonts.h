#pragma once

namespace veridi {

// The pages name Windows fonts; they are substituted by their metric stand-ins (the IPA fonts)
// so that measured widths match. Needs a Gui application.
void registerFontSubstitutions();

} // namespace veridi
