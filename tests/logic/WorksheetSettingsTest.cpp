#include "WorksheetSettings.h"
#include "FakePrompts.h"
#include "IniFile.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;

namespace {

class WorksheetSettingsTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    QString path = settingsFile.path();
};

} // namespace

TEST_F(WorksheetSettingsTest, FreshInstallDefaults) {
    WorksheetSettings s;
    LoadIniSets(IniFile(path), s);
    EXPECT_EQ(s.sHeader, QString());
    EXPECT_EQ(s.sFooter, QString());
    EXPECT_EQ(s.sPageTitle, QStringLiteral("かずの計算"));
    EXPECT_EQ(s.sSubTitle, QStringLiteral("たしざんのもんだい"));
    EXPECT_EQ(s.sDateTime, QStringLiteral("　　月　　日　　　時　　分 ～　　　時　　分"));
    EXPECT_EQ(s.sName, QStringLiteral("なまえ"));
    EXPECT_EQ(s.AnswerType, 1);
    for (double margin : {s.WindowTop, s.WindowLeft, s.WindowRight, s.WindowBottom, s.ExamSeparate})
        EXPECT_EQ(margin, 10.0);
    EXPECT_FALSE(s.WindowFrame);
    EXPECT_EQ(s.ExamRowN, 10);
    EXPECT_EQ(s.ExamColN, 1);
    EXPECT_FALSE(s.ExamType);
    EXPECT_EQ(s.nZero, 1);
    EXPECT_TRUE(s.fExNum);
    EXPECT_EQ(s.rnd_D, 0);
    EXPECT_FALSE(s.fNotRest);
    EXPECT_EQ(s.ExNumLeft, u"("_qs);
    EXPECT_EQ(s.ExNumRight, u")"_qs);
    EXPECT_TRUE(s.fNZero);
    EXPECT_TRUE(s.fNOne);
    EXPECT_EQ(s.FntExam.Name, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(s.FntExam.Size, 24);
    EXPECT_EQ(s.FntExam.Color, 0);
    EXPECT_FALSE(s.FntExam.Bold);
    EXPECT_FALSE(s.FntExam.Italic);
}

TEST_F(WorksheetSettingsTest, HandEditedValuesReadAsTheUserMeantOrFallBack) {
    settingsFile.write(QStringLiteral("[page]\r\npagetitle=ひきざん\r\n[Window]\r\nTop=12.5\r\nLeft=abc\r\n"
                                      "[EXAM]\r\nRow=x\r\nCol=0x2\r\nNumerical=5\r\n[Answer]\r\nType=0\r\n"
                                      "[ExamFont]\r\nBold=2\r\nColor=$FF\r\n"));
    WorksheetSettings s;
    LoadIniSets(IniFile(path), s);
    EXPECT_EQ(s.sPageTitle, QStringLiteral("ひきざん"));
    EXPECT_EQ(s.WindowTop, 12.5);
    EXPECT_EQ(s.WindowLeft, 0.0);
    EXPECT_EQ(s.ExamRowN, 10);
    EXPECT_EQ(s.ExamColN, 2);
    EXPECT_EQ(s.nZero, 5);
    EXPECT_EQ(s.AnswerType, 1);
    EXPECT_TRUE(s.FntExam.Bold);
    EXPECT_EQ(s.FntExam.Color, 255);

    FakePrompts prompts;
    IniFile ini(path);
    ASSERT_TRUE(SaveIniSets(ini, s, prompts));
    const QString text = settingsFile.read();
    EXPECT_TRUE(text.contains(u"Top=12.5\r\n"_qs));
    EXPECT_TRUE(text.contains(u"Bold=1\r\n"_qs));
    // The hand-written spelling was replaced in place, not written a second time.
    EXPECT_EQ(text.count(u"itle="_qs, Qt::CaseInsensitive), 2);
}

TEST_F(WorksheetSettingsTest, SavingWritesEveryKeyInOrderAndReadsBack) {
    WorksheetSettings s;
    LoadIniSets(IniFile(path), s);
    s.sHeader = QStringLiteral(" 一組 ");
    s.WindowBottom = 7.25;
    s.ExamRowN = 5;
    s.ExamColN = 4;
    s.nZero = -1;
    s.FntExam = {QStringLiteral("ＭＳ 明朝"), 18, 0x0000FF, true, true};
    FakePrompts prompts;
    IniFile ini(path);
    ASSERT_TRUE(SaveIniSets(ini, s, prompts));
    EXPECT_TRUE(prompts.messages.isEmpty());

    QStringList keys;
    QString section;
    for (const QString& line : settingsFile.read().split(u"\r\n"_qs, Qt::SkipEmptyParts)) {
        if (line.startsWith(u'['))
            section = line.mid(1, line.size() - 2);
        else
            keys << section + u'/' + line.left(line.indexOf(u'='));
    }
    EXPECT_EQ(
        keys,
        QStringList({"Page/Header",   "Page/Footer",    "Page/PageTitle", "Page/SubTitle",  "Page/DateTime",
                     "Page/Name",     "Answer/Type",    "Window/Top",     "Window/Left",    "Window/Right",
                     "Window/Bottom", "Window/Frame",   "Exam/Row",       "Exam/Col",       "Exam/Separate",
                     "Exam/Type",     "Exam/Numerical", "Exam/Number",    "Exam/Rand",      "Exam/NotRest",
                     "Exam/Left",     "Exam/Right",     "Exam/NZero",     "Exam/NOne",      "ExamFont/Name",
                     "ExamFont/Size", "ExamFont/Color", "ExamFont/Bold",  "ExamFont/Italic"}));

    WorksheetSettings again;
    LoadIniSets(IniFile(path), again);
    EXPECT_EQ(again.sHeader, s.sHeader);
    EXPECT_EQ(again.sDateTime, s.sDateTime);
    EXPECT_EQ(again.WindowBottom, 7.25);
    EXPECT_EQ(again.ExamRowN, 5);
    EXPECT_EQ(again.ExamColN, 4);
    EXPECT_EQ(again.nZero, -1);
    EXPECT_EQ(again.FntExam.Name, s.FntExam.Name);
    EXPECT_EQ(again.FntExam.Size, 18);
    EXPECT_EQ(again.FntExam.Color, 0xFF);
    EXPECT_TRUE(again.FntExam.Bold && again.FntExam.Italic);
}

TEST_F(WorksheetSettingsTest, AFileThatCannotBeWrittenIsReportedWithItsFullPath) {
    const QString unwritable = settingsFile.inFolder(QStringLiteral("missing/veridi.ini"));
    IniFile ini(unwritable);
    FakePrompts prompts;
    EXPECT_FALSE(SaveIniSets(ini, WorksheetSettings(), prompts));
    EXPECT_EQ(prompts.messages, QStringList({unwritable + QStringLiteral(" に書き込めません")}));
}
