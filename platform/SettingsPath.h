#pragma once

#include <QString>

namespace veridi {

// The settings file: beside the executable, named after it with ".ini"; when that folder cannot
// be written (an installed program), the same name in the user's configuration folder.
QString settingsFilePath();

} // namespace veridi
