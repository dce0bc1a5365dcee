#pragma once

#include <QUrl>

namespace veridi {

// Opens an address (a web page, a help page on disk) with the desktop's default handler, as the
// user's browser shows it. Tests record the addresses instead.
class Links {
public:
    virtual ~Links() = default;

    // False when the desktop reports that it could not open the address.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace veridi
