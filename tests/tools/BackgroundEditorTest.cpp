#include "BackgroundEditor.h"
#include "FakeChoosers.h"
#include "FakeLinks.h"
#include "FakePrinters.h"
#include "FakePrompts.h"
#include "PreviewWindow.h"
#include "SettingsFile.h"
#include "TempFiles.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

using namespace veridi;
using namespace veridi::test;

// An opened command file becomes the hand-typed list, INCLUDE lines expanded, so that it can be
// changed and saved again whole; nothing else is drawn under it.
TEST(BackgroundEditor, OpensACommandFileAsTheHandTypedList) {
    WorkFolder folder;
    folder.writeAll({{u"ZezaVivo.prv"_qs, "Line,0,0,9,9\r\n"},
                     {u"school.prv"_qs, "INCLUDE,\"frame.prv\"\r\nTextOut,20,15,\"School\",Nil\r\n"},
                     {u"frame.prv"_qs, "Line,5,5,185,5\r\n"}});
    SettingsFile settings;
    FakePrompts prompts;
    FakeChoosers choosers;
    FakeLinks links;
    TFrmPrev preview(prompts, choosers, std::make_unique<ImagePrinter>(600, 600, QSize(4760, 6814)),
                     settings.path());
    BackgroundEditor editor(preview, prompts, links);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    EXPECT_TRUE(preview.E1->isChecked());
    EXPECT_TRUE(preview.engine().ListByFile.isEmpty()) << "the list source file is not drawn under it";

    editor.open(u"school.prv"_qs);
    EXPECT_EQ(preview.engine().ListByManual,
              (QStringList{u"Line,5,5,185,5"_qs, u"TextOut,20,15,\"School\",Nil"_qs}));
    EXPECT_TRUE(preview.engine().SaveName.endsWith(u"/school.prv"_qs));

    editor.open(u"missing.prv"_qs);
    EXPECT_EQ(preview.engine().ListByManual.size(), 2);
    EXPECT_EQ(prompts.messages, QStringList{u"missing.prv が見つかりません"_qs});
}
