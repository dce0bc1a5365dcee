#include "CommandLine.h"
#include "EngineHarness.h"
#include "TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace veridi;
using veridi::test::EngineHarness;

namespace {

struct EmitCase {
    const char* name;
    std::function<void(DrawEngine&)> append;
    QString line;
};

TEST(Emitters, EachAppendsExactlyItsLine) {
    const EmitCase cases[] = {
        {"text", [](DrawEngine& e) { e.PrevTextOut(12.5, 0, "a,b", "NIL"); },
         "TextOut, 1.25000000000000E+0001, 0.00000000000000E+0000,\"a,b\",NIL"},
        {"text with a pitch", [](DrawEngine& e) { e.PrevTextOut(-0.5, 1, "", "5"); },
         "TextOut,-5.00000000000000E-0001, 1.00000000000000E+0000,\"\",5"},
        {"rotated text", [](DrawEngine& e) { e.PrevTextOutAngle(1, 2, 900, "say \"x\""); },
         "TextOutAngle, 1.00000000000000E+0000, 2.00000000000000E+0000,\"say \"\"x\"\"\", 9.00000000000000E+0002"},
        {"line", [](DrawEngine& e) { e.PrevLine(10, 10, 20, 10); },
         "Line, 1.00000000000000E+0001, 1.00000000000000E+0001, 2.00000000000000E+0001, 1.00000000000000E+0001"},
        {"colour", [](DrawEngine& e) { e.PrevColor(QColor(128, 128, 128)); }, "Color,DKGRAY"},
        {"font colour", [](DrawEngine& e) { e.PrevFontColor(QColor(192, 192, 192)); }, "FontColor,SILVER"},
        {"brush colour", [](DrawEngine& e) { e.PrevBrushColor(QColor(10, 20, 30)); }, "BrushColor,BLACK"},
        {"pen colour", [](DrawEngine& e) { e.PrevPenColor(Qt::red); }, "PenColor,RED"},
        {"font size", [](DrawEngine& e) { e.PrevFontSize(-12); }, "FontSize,-12"},
        {"font name as given", [](DrawEngine& e) { e.PrevFontName("\"ＭＳ 明朝\""); },
         "FontName,\"ＭＳ 明朝\""},
        {"font style", [](DrawEngine& e) { e.PrevFontStyle("BOLD-"); }, "FontStyle,BOLD-"},
        {"pen width", [](DrawEngine& e) { e.PrevPenWidth(0.5); }, "PenWidth,0.5"},
        {"pen size", [](DrawEngine& e) { e.PrevPenSize(1); }, "PenSize,1"},
        {"pen style", [](DrawEngine& e) { e.PrevPenStyle("psDot"); }, "PenStyle,psDot"},
        {"picture", [](DrawEngine& e) { e.PrevPicture("a.bmp", 0, 0, 1, 1); },
         "Picture,a.bmp, 0.00000000000000E+0000, 0.00000000000000E+0000, 1.00000000000000E+0000, 1.00000000000000E+0000"},
        {"header", [](DrawEngine& e) { e.PrevHeader("H", 3, 0, 0); },
         "Header,\"H\",3, 0.00000000000000E+0000, 0.00000000000000E+0000"},
        {"footer", [](DrawEngine& e) { e.PrevFooter("F", -1, 0, 0); },
         "Footer,\"F\",-1, 0.00000000000000E+0000, 0.00000000000000E+0000"},
        {"title", [](DrawEngine& e) { e.PrevpageTitle("T", 4, 5, 6); },
         "PageTitle,\"T\",4, 5.00000000000000E+0000, 6.00000000000000E+0000"},
        {"subtitle", [](DrawEngine& e) { e.PrevSubTitle("", 0, 0, 0); },
         "SubTitle,\"\",0, 0.00000000000000E+0000, 0.00000000000000E+0000"},
        {"reset", [](DrawEngine& e) { e.PrevInit(); }, "INITPARAM"},
    };
    for (const auto& c : cases) {
        EngineHarness h;
        h.engine.ListbyProgram << "kept";
        c.append(h.engine);
        ASSERT_EQ(h.engine.ListbyProgram.size(), 2) << c.name;
        EXPECT_EQ(h.engine.ListbyProgram[1], c.line) << c.name;
        EXPECT_TRUE(h.engine.ListByManual.isEmpty()) << c.name;
        EXPECT_TRUE(h.prompts.messages.isEmpty()) << c.name;
    }
}

TEST(ListOperations, ClearAndDelete) {
    EngineHarness h;
    h.engine.ListByManual = QStringList{"a", "b", "c"};
    h.engine.ListbyProgram = QStringList{"p"};
    h.engine.DeleteManualList(1);
    EXPECT_EQ(h.engine.ListByManual, (QStringList{"a", "c"}));
    for (qint32 outside : {-1, 2, 1000})
        h.engine.DeleteManualList(outside);
    EXPECT_EQ(h.engine.ListByManual, (QStringList{"a", "c"}));
    h.engine.ClearManualList();
    EXPECT_TRUE(h.engine.ListByManual.isEmpty());
    EXPECT_EQ(h.engine.ListbyProgram, QStringList{"p"});
    h.engine.ClearProgramList();
    EXPECT_TRUE(h.engine.ListbyProgram.isEmpty());
}

TEST(SaveList, WritesCodePage932WithCrLfAndNoByteOrderMark) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("list.prv"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older and much longer content that must go\r\n");
    }
    EngineHarness h;
    h.engine.ListByManual = QStringList{QStringLiteral("TextOut,1,2,\"算数\",NIL"), QString(), "INITPARAM"};
    h.prompts.saveAnswers.push_back(path);
    h.engine.SaveList();

    ASSERT_EQ(h.prompts.saveRequests.size(), 1);
    EXPECT_TRUE(h.prompts.saveRequests[0].filter.isEmpty());
    EXPECT_TRUE(h.prompts.saveRequests[0].defaultExtension.isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, encodeCp932(QStringLiteral("TextOut,1,2,\"算数\",NIL")) + "\r\n\r\nINITPARAM\r\n");
    EXPECT_EQ(decodeCommandFile(bytes).split(QStringLiteral("\r\n")).first(), h.engine.ListByManual.first());
    EXPECT_TRUE(h.prompts.messages.isEmpty());
}

TEST(SaveList, CancellingWritesNothing) {
    EngineHarness h;
    h.engine.ListByManual = QStringList{"INITPARAM"};
    h.prompts.saveAnswers.push_back(std::nullopt);
    h.engine.SaveList();
    EXPECT_TRUE(h.prompts.messages.isEmpty());
    EXPECT_EQ(h.engine.ListByManual, QStringList{"INITPARAM"});
}

TEST(SaveList, AnUnwritableFileIsReportedAndTheListKept) {
    EngineHarness h;
    h.engine.ListByManual = QStringList{"INITPARAM"};
    h.prompts.saveAnswers.push_back(QStringLiteral("/nonexistent-folder/list.prv"));
    h.engine.SaveList();
    ASSERT_EQ(h.prompts.messages.size(), 1);
    EXPECT_TRUE(h.prompts.messages[0].startsWith(QStringLiteral("list.prv: ")));
    EXPECT_EQ(h.engine.ListByManual, QStringList{"INITPARAM"});
}

TEST(PageNote, DefaultsAndSetCopyright) {
    EngineHarness h;
    const TPageStr& note = h.engine.PageNote;
    EXPECT_TRUE(note.psStr.isEmpty());
    EXPECT_EQ(note.psName, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(note.psSize, 12);
    EXPECT_FALSE(note.psBold);
    EXPECT_FALSE(note.psItalic);
    h.engine.SetCopyright(QStringLiteral("この問題はVeridiで印刷しました。"));
    EXPECT_EQ(note.psStr, QStringLiteral("この問題はVeridiで印刷しました。"));
    EXPECT_EQ(note.psName, QStringLiteral("ＭＳ Ｐ明朝"));
    EXPECT_EQ(note.psSize, 12);
}

} // namespace

namespace {

TEST(SaveList, TextOutsideCodePage932IsKeptInUtf8) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("list.prv"));
    EngineHarness h;
    h.engine.ListByManual = QStringList{QStringLiteral("TextOut,1,2,\"😀 算数\",NIL"), "INITPARAM"};
    h.prompts.saveAnswers.push_back(path);
    h.engine.SaveList();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(decodeCommandFile(bytes), h.engine.ListByManual.join(QStringLiteral("\r\n")) + "\r\n");
}

} // namespace
