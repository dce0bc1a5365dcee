#include "Endpoints.h"

#include <QProcessEnvironment>

namespace veridi {

QUrl siteUrl(const QString& page) {
    // A reserved name until the site has its address.
    QString site = QProcessEnvironment::systemEnvironment().value(QStringLiteral("VERIDI_SITE"),
                                                                  QStringLiteral("https://veridi.example/"));
    if (!site.endsWith(u'/'))
        site += u'/';
    return QUrl(site + page);
}

} // namespace veridi
