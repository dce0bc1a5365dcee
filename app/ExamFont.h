#pragma once

#include "WorksheetSettings.h"

#include <QFont>

namespace veridi {

// The problem font as the settings keep it and as the font chooser and widgets take it. A QFont
// has no colour: going back, the colour is the one given.
QFont qFontOf(const ExamFontSpec& stored);
ExamFontSpec examFontOf(const QFont& font, qint32 color = 0);

} // namespace veridi
