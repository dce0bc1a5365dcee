#include "Fonts.h"
#include "MainWindow.h"
#include "QtPrompts.h"
#include "SettingsPath.h"
#include "TerminationSignals.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Veridi 自然数の加減乗除篇");
    QApplication::setApplicationName(QStringLiteral("veridi"));
    veridi::registerFontSubstitutions();

    veridi::QtPrompts prompts(title);
    veridi::TForm1 form(prompts, veridi::settingsFilePath(), veridi::RandomSource::fromClock());
    prompts.setParent(&form);
    veridi::closeOnTerminationSignals(&form);
    form.show();
    return app.exec();
}
