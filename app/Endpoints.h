#pragma once

#include <QUrl>

namespace veridi {

// A page of the maker's web site (its home page for an empty name). The environment variable
// VERIDI_SITE replaces the site's address, so that tests can serve the pages themselves.
QUrl siteUrl(const QString& page = {});

} // namespace veridi
