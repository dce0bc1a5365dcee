#include "DistributionDialog.h"
#include "FakeLinks.h"
#include "FakePrompts.h"
#include "ModalDriver.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeLinks;
using veridi::test::FakePrompts;
using veridi::test::typeInto;
using veridi::test::whenModal;

TEST(DistributionDialog, TakesAnIntegerDOnOkOnly) {
    FakePrompts prompts;
    FakeLinks links;
    TFrmRndD dialog(prompts, links);
    EXPECT_EQ(dialog.size(), QSize(420, 165));

    const struct {
        const char* name;
        std::function<void()> steps;
        std::optional<qint32> D;
    } rows[] = {
        {"-3 and OK",
         [&] {
             typeInto(dialog.EdtD, u"-3"_qs, dialog.BtnOK);
             dialog.BtnOK->click();
         },
         -3},
        {"1.5 left: the earlier text",
         [&] {
             typeInto(dialog.EdtD, u"1.5"_qs, dialog.BtnOK);
             EXPECT_EQ(dialog.EdtD->text(), u"7"_qs);
             dialog.BtnOK->click();
         },
         7},
        {"OK by its accelerator on a text never checked",
         [&] {
             dialog.EdtD->setText(u"x"_qs);
             dialog.BtnOK->animateClick();
         },
         0},
        {"Cancel",
         [&] {
             typeInto(dialog.EdtD, u"5"_qs, dialog.BtnOK);
             dialog.BtnCancel->click();
         },
         std::nullopt},
    };
    for (const auto& row : rows) {
        whenModal([&](QDialog&) {
            EXPECT_EQ(dialog.EdtD->text(), u"7"_qs) << row.name;
            row.steps();
        });
        EXPECT_EQ(dialog.run(7), row.D) << row.name;
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}
