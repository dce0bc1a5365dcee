#pragma once

#include "DrawEngine.h"
#include "FakePrompts.h"
#include "ImagePrinter.h"
#include "IniFile.h"
#include "PageDefaults.h"
#include "SheetComposer.h"

#include <QStringList>

#include <memory>

namespace veridi::test {

// A composer writing into a real engine laid out for a 600 dpi printer page, with the page
// strings and settings of a fresh installation as the main window gives them.
struct ComposerHarness {
    FakePrompts prompts;
    ImagePrinter printer{600, 600, QSize(4760, 6814)};
    DrawEngine engine{prompts, &printer, 96};
    int redraws = 0;
    SheetComposer composer{engine, [this] { ++redraws; },
                           [] { return QDateTime(QDate(2026, 12, 9), QTime(8, 30, 15)); }};
    WorksheetSettings settings;
    TPageStr DateTime;
    ProblemSet problems;
    QString sign = QStringLiteral("＋");
    int tab = 0;

    ComposerHarness() {
        engine.UnitType = 2;
        for (TPageStr* ps : {&engine.Header, &engine.Footer, &engine.PageTitle, &engine.SubTitle, &DateTime})
            ps->SetSets(QString(), QStringLiteral("ＭＳ 明朝"), 9, 0, QStringLiteral("0"),
                        QStringLiteral("0"), false, false);
        placeUnsetTitles(engine);
        placeUnsetDateTime(DateTime);
        LoadIniSets(IniFile(QString()), settings); // a fresh installation
    }

    QStringList compose(int mode) {
        composer.ComposeSheet(mode, {settings, DateTime, problems, sign, tab});
        return engine.ListbyProgram;
    }
};

} // namespace veridi::test
