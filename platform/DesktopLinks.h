#pragma once

#include "Links.h"

namespace veridi {

// Addresses opened by the desktop's default handler.
class DesktopLinks : public Links {
public:
    bool openUrl(const QUrl& url) override;
};

} // namespace veridi
