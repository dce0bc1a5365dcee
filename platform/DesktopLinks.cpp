#include "DesktopLinks.h"

#include <QDesktopServices>

namespace veridi {

bool DesktopLinks::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace veridi
