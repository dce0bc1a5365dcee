#pragma once

#include "DrawEngine.h"
#include "FakePrompts.h"
#include "ImagePrinter.h"
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
        engine.PageTitle.PlaceIfUnset(24, QStringLiteral("10"), QStringLiteral("10"));
        engine.SubTitle.PlaceIfUnset(12, QStringLiteral("10"), QStringLiteral("36"));
        DateTime.PlaceIfUnset(11, QStringLiteral("80"), QStringLiteral("10"));
        settings.sPageTitle = QStringLiteral("かずの計算");
        settings.sSubTitle = QStringLiteral("たしざんのもんだい");
        settings.sDateTime = QStringLiteral("　　月　　日　　　時　　分 ～　　　時　　分");
        settings.sName = QStringLiteral("なまえ");
        settings.WindowTop = settings.WindowLeft = settings.WindowRight = settings.WindowBottom = 10;
        settings.ExamSeparate = 10;
        settings.fNZero = settings.fNOne = true;
        settings.FntExam.Size = 24;
    }

    QStringList compose(int mode) {
        composer.ComposeSheet(mode, {settings, DateTime, problems, sign, tab});
        return engine.ListbyProgram;
    }
};

} // namespace veridi::test
