#include "DesktopLinks.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "PreviewWindow.h"
#include "QtPrinter.h"
#include "QtPrompts.h"
#include "QtTranslations.h"
#include "SettingsPath.h"
#include "TerminationSignals.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Veridi 自然数の加減乗除篇");
    QApplication::setApplicationName(QStringLiteral("veridi"));
    // The task bar's name of the program, and the desktop entry it was started from (its icon).
    QApplication::setApplicationDisplayName(title);
    QApplication::setDesktopFileName(QStringLiteral("veridi"));
    veridi::registerFontSubstitutions();
    if (!veridi::loadJapaneseQtTranslations())
        std::fputs("veridi: Qt's Japanese translations are not installed (on Debian: qt6-translations-l10n); "
                   "its dialogs stay in English\n",
                   stderr);

    veridi::QtPrompts prompts(title);
    const veridi::SettingsLocation settings = veridi::locateSettingsFile();
    if (!settings.refused.isEmpty())
        prompts.message(veridi::refusedSettingsMessage(settings), veridi::Prompts::Icon::Warning);
    const QString& settingsPath = settings.path;
    veridi::RandomSource random = veridi::RandomSource::fromClock();
    veridi::DesktopLinks links;
    veridi::TForm1 form(prompts, prompts, links, settingsPath, random);
    prompts.setParent(&form);
    // The preview belongs to the main window and is destroyed with it.
    auto* preview =
        new veridi::TFrmPrev(prompts, prompts, veridi::openSystemPrinter(prompts), settingsPath, &form);
    form.setPreview(preview);
    veridi::closeOnTerminationSignals(&form);
    form.show();
    return app.exec();
}
