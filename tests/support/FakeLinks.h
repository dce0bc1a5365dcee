#pragma once

#include "Links.h"

#include <QList>

namespace veridi::test {

// Records the addresses asked for; opens them or fails as told.
class FakeLinks : public Links {
public:
    QList<QUrl> opened;
    bool succeeds = true;

    bool openUrl(const QUrl& url) override {
        opened << url;
        return succeeds;
    }
};

} // namespace veridi::test
