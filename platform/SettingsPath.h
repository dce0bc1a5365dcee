#pragma once

#include "RegularFile.h"

#include <QString>

namespace veridi {

// Where the settings are kept, and the file passed over on the way when one could not hold them.
struct SettingsLocation {
    QString path;
    // A file at the settings' place that is not a regular file or is too large to read: it is
    // neither read nor written. Empty when there is none.
    QString refused;
    FileKind refusedKind = FileKind::Missing;
};

// The settings file: beside the executable, named after it with ".ini", when the program may
// write there (a portable copy); otherwise (an installed program) the same name in the user's
// configuration folder. Temporary copies that interrupted saves left beside either are removed.
SettingsLocation locateSettingsFile();
QString settingsFilePath();

// Whether path can hold the settings: a regular file within IniFile::kMaxBytes, or nothing; in
// both cases in a folder the program may write. A folder of that name cannot.
bool usableSettingsFile(const QString& path);

// The choice itself. besideExe: the file beside the executable; usable: whether it can hold the
// settings; userFile: the file in the user's configuration folder. A user file that does not
// exist yet starts as a copy of a regular file beside the executable within the size cap (an
// administrator's defaults), so that its values are not ignored.
QString chooseSettingsFile(const QString& besideExe, bool usable, const QString& userFile);

// What the program says once at start-up about a refused file (empty when none was refused).
QString refusedSettingsMessage(const SettingsLocation& location);

} // namespace veridi
