#pragma once

namespace veridi {

// Qt's own dialogs (message boxes' buttons, the file, font and printer dialogs) speak Japanese
// like the rest of the program, whatever the desktop's language. False, and Qt's English stays,
// when the translations are not installed.
bool loadJapaneseQtTranslations();

} // namespace veridi
