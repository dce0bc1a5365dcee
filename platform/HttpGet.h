#pragma once

#include <QByteArray>
#include <QUrl>

#include <chrono>
#include <optional>

namespace veridi {

// One GET of url into memory, waited for: nothing when the request fails (no connection, no
// name, an error status) or is not done within timeout. Input events wait meanwhile.
std::optional<QByteArray> httpGet(const QUrl& url, std::chrono::milliseconds timeout);

} // namespace veridi
