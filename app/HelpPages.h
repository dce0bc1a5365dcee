#pragma once

#include <QString>
#include <QUrl>

namespace veridi {

class Links;
class Prompts;

// The help pages come with the program: in help/ beside the executable (the build puts them
// there) or, for an installed program, in share/veridi/help. Empty when neither exists.
QString helpFolder();

// Opens url in the user's browser; says so when the desktop fails.
void openLink(const QUrl& url, Links& links, Prompts& prompts);

// Opens page (a file name such as "style.html") of folder in the user's browser, or the folder
// itself when the page is not there; says so when there is no help at all or the desktop fails.
void openHelpPage(const QString& folder, const QString& page, Links& links, Prompts& prompts);

} // namespace veridi
