#pragma once

#include <QWidget>

class QLabel;
class QNetworkAccessManager;
class QTextBrowser;

namespace veridi {

// The information area of the main window: the maker's information page, or a red panel when
// the site cannot be reached. The page is shown by a text browser, which draws the page's HTML
// and opens its links in the user's browser.
class InformationArea : public QWidget {
    Q_OBJECT

public:
    explicit InformationArea(QWidget* parent = nullptr);

    QTextBrowser* WebBrowser1 = nullptr;
    QLabel* PnlError = nullptr;

    // Fetches the page and shows it when it comes; from then on the area goes its own way.
    void navigate(const QUrl& page);
    // The red panel over the browser, until the program ends.
    void showError();

private:
    QNetworkAccessManager* network_ = nullptr;
};

} // namespace veridi
