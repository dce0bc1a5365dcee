#pragma once

#include <QString>

namespace veridi {

// The settings file: beside the executable, named after it with ".ini", when the program may
// write there (a portable copy); otherwise (an installed program) the same name in the user's
// configuration folder.
QString settingsFilePath();

// The choice itself. besideExe: the file beside the executable; writable: whether the program may
// write it there; userFile: the file in the user's configuration folder. A user file that does
// not exist yet starts as a copy of a readable file beside the executable (an administrator's
// defaults), so that its values are not ignored.
QString chooseSettingsFile(const QString& besideExe, bool writable, const QString& userFile);

} // namespace veridi
