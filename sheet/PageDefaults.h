#pragma once

#include <QString>

namespace veridi {

class DrawEngine;
class TPageStr;

// The note this program prints as the bottom line of every page.
QString pageNote();

// When the main window is shown, the page strings never placed get their default place: the
// preview's title and subtitle, and the main window's date line. Header and footer keep none.
void placeUnsetTitles(DrawEngine& engine);
void placeUnsetDateTime(TPageStr& DateTime);

} // namespace veridi
