// veridi-draw: the preview window alone, as a tool for drawing a background page by hand.
#include "BackgroundEditor.h"

#include "DesktopLinks.h"
#include "Fonts.h"
#include "PreviewWindow.h"
#include "QtPrinter.h"
#include "QtPrompts.h"
#include "QtTranslations.h"
#include "SettingsPath.h"
#include "TerminationSignals.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Veridi 背景ページの作成");
    QApplication::setApplicationName(QStringLiteral("veridi-draw"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veridi"));
    QApplication::setDesktopFileName(QStringLiteral("veridi-draw"));
    veridi::registerFontSubstitutions();
    veridi::loadJapaneseQtTranslations();

    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.constFirst().startsWith(u'-'))) {
        std::fputs("usage: veridi-draw [COMMAND-FILE]\n", stderr);
        return 2;
    }

    veridi::QtPrompts prompts(title);
    veridi::DesktopLinks links;
    const veridi::SettingsLocation settings = veridi::locateSettingsFile();
    if (!settings.refused.isEmpty())
        prompts.message(veridi::refusedSettingsMessage(settings), veridi::Prompts::Icon::Warning);
    veridi::TFrmPrev preview(prompts, prompts, veridi::openSystemPrinter(prompts), settings.path);
    prompts.setParent(&preview);
    veridi::BackgroundEditor editor(preview, prompts, links);
    // A signal must not wait on the question about an unsaved list that closing the window asks.
    veridi::quitOnTerminationSignals();
    preview.show();
    if (!arguments.isEmpty())
        editor.open(arguments.constFirst());
    return app.exec();
}
