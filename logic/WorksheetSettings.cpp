#include "WorksheetSettings.h"

#include "IniFile.h"
#include "Prompts.h"

#include <QFileInfo>

#include <functional>

namespace veridi {
namespace {

const QString kPage = QStringLiteral("Page");
const QString kAnswer = QStringLiteral("Answer");
const QString kWindow = QStringLiteral("Window");
const QString kExam = QStringLiteral("Exam");
const QString kExamFont = QStringLiteral("ExamFont");

// The defaults of the real keys are texts, read like stored values.
const double kDefaultMargin = IniFile::parseReal(QStringLiteral("10"));

} // namespace

GeneratorSettings toGeneratorSettings(const WorksheetSettings& settings, GeneratorSettings s) {
    s.nZero = settings.nZero;
    s.fNZero = settings.fNZero;
    s.fNOne = settings.fNOne;
    s.fNotRest = settings.fNotRest;
    s.rnd_D = settings.rnd_D;
    s.ExamRowN = settings.ExamRowN;
    s.ExamColN = settings.ExamColN;
    return s;
}

void LoadIniSets(const IniFile& ini, WorksheetSettings& s, const ExamFontSpec& mainFont) {
    s.sHeader = ini.readString(kPage, QStringLiteral("Header"), QString());
    s.sFooter = ini.readString(kPage, QStringLiteral("Footer"), QString());
    s.sPageTitle = ini.readString(kPage, QStringLiteral("Pagetitle"), QStringLiteral("かずの計算"));
    s.sSubTitle = ini.readString(kPage, QStringLiteral("SubTitle"), QStringLiteral("たしざんのもんだい"));
    s.sDateTime = ini.readString(kPage, QStringLiteral("DateTime"),
                                 QStringLiteral("　　月　　日　　　時　　分 ～　　　時　　分"));
    s.sName = ini.readString(kPage, QStringLiteral("Name"), QStringLiteral("なまえ"));
    s.AnswerType = ini.readInteger(kAnswer, QStringLiteral("Type"), 1);
    s.WindowTop = ini.readReal(kWindow, QStringLiteral("Top"), kDefaultMargin);
    s.WindowLeft = ini.readReal(kWindow, QStringLiteral("Left"), kDefaultMargin);
    s.WindowRight = ini.readReal(kWindow, QStringLiteral("Right"), kDefaultMargin);
    s.WindowBottom = ini.readReal(kWindow, QStringLiteral("Bottom"), kDefaultMargin);
    s.WindowFrame = ini.readBool(kWindow, QStringLiteral("Frame"), false);
    s.ExamRowN = ini.readInteger(kExam, QStringLiteral("Row"), 10);
    s.ExamColN = ini.readInteger(kExam, QStringLiteral("Col"), 1);
    s.ExamSeparate = ini.readReal(kExam, QStringLiteral("Separate"), kDefaultMargin);
    s.ExamType = ini.readBool(kExam, QStringLiteral("Type"), false);
    s.nZero = ini.readInteger(kExam, QStringLiteral("Numerical"), 1);
    s.fExNum = ini.readBool(kExam, QStringLiteral("Number"), true);
    s.rnd_D = ini.readInteger(kExam, QStringLiteral("Rand"), 0);
    s.fNotRest = ini.readBool(kExam, QStringLiteral("NotRest"), false);
    s.ExNumLeft = ini.readString(kExam, QStringLiteral("Left"), QStringLiteral("("));
    s.ExNumRight = ini.readString(kExam, QStringLiteral("Right"), QStringLiteral(")"));
    s.fNZero = ini.readBool(kExam, QStringLiteral("NZero"), true);
    s.fNOne = ini.readBool(kExam, QStringLiteral("NOne"), true);

    s.FntExam = mainFont;
    s.FntExam.Name = ini.readString(kExamFont, QStringLiteral("Name"), mainFont.Name);
    s.FntExam.Size = ini.readInteger(kExamFont, QStringLiteral("Size"), 24);
    s.FntExam.Color = ini.readInteger(kExamFont, QStringLiteral("Color"), 0);
    s.FntExam.Bold = ini.readBool(kExamFont, QStringLiteral("Bold"), false);
    s.FntExam.Italic = ini.readBool(kExamFont, QStringLiteral("Italic"), false);

    if (s.AnswerType == 0)
        s.AnswerType = 1;
}

bool SaveIniSets(IniFile& ini, const WorksheetSettings& s, Prompts& prompts) {
    const std::function<bool()> keys[] = {
        [&] { return ini.writeString(kPage, QStringLiteral("Header"), s.sHeader); },
        [&] { return ini.writeString(kPage, QStringLiteral("Footer"), s.sFooter); },
        [&] { return ini.writeString(kPage, QStringLiteral("PageTitle"), s.sPageTitle); },
        [&] { return ini.writeString(kPage, QStringLiteral("SubTitle"), s.sSubTitle); },
        [&] { return ini.writeString(kPage, QStringLiteral("DateTime"), s.sDateTime); },
        [&] { return ini.writeString(kPage, QStringLiteral("Name"), s.sName); },
        [&] { return ini.writeInteger(kAnswer, QStringLiteral("Type"), s.AnswerType); },
        [&] { return ini.writeReal(kWindow, QStringLiteral("Top"), s.WindowTop); },
        [&] { return ini.writeReal(kWindow, QStringLiteral("Left"), s.WindowLeft); },
        [&] { return ini.writeReal(kWindow, QStringLiteral("Right"), s.WindowRight); },
        [&] { return ini.writeReal(kWindow, QStringLiteral("Bottom"), s.WindowBottom); },
        [&] { return ini.writeBool(kWindow, QStringLiteral("Frame"), s.WindowFrame); },
        [&] { return ini.writeInteger(kExam, QStringLiteral("Row"), s.ExamRowN); },
        [&] { return ini.writeInteger(kExam, QStringLiteral("Col"), s.ExamColN); },
        [&] { return ini.writeReal(kExam, QStringLiteral("Separate"), s.ExamSeparate); },
        [&] { return ini.writeBool(kExam, QStringLiteral("Type"), s.ExamType); },
        [&] { return ini.writeInteger(kExam, QStringLiteral("Numerical"), s.nZero); },
        [&] { return ini.writeBool(kExam, QStringLiteral("Number"), s.fExNum); },
        [&] { return ini.writeInteger(kExam, QStringLiteral("Rand"), s.rnd_D); },
        [&] { return ini.writeBool(kExam, QStringLiteral("NotRest"), s.fNotRest); },
        [&] { return ini.writeString(kExam, QStringLiteral("Left"), s.ExNumLeft); },
        [&] { return ini.writeString(kExam, QStringLiteral("Right"), s.ExNumRight); },
        [&] { return ini.writeBool(kExam, QStringLiteral("NZero"), s.fNZero); },
        [&] { return ini.writeBool(kExam, QStringLiteral("NOne"), s.fNOne); },
        [&] { return ini.writeString(kExamFont, QStringLiteral("Name"), s.FntExam.Name); },
        [&] { return ini.writeInteger(kExamFont, QStringLiteral("Size"), s.FntExam.Size); },
        [&] { return ini.writeInteger(kExamFont, QStringLiteral("Color"), s.FntExam.Color); },
        [&] { return ini.writeBool(kExamFont, QStringLiteral("Bold"), s.FntExam.Bold); },
        [&] { return ini.writeBool(kExamFont, QStringLiteral("Italic"), s.FntExam.Italic); },
    };
    // All keys go out in one replacement of the file: it is written whole or stays as it was.
    IniSave save(ini);
    for (const auto& writeKey : keys)
        writeKey();
    if (save.commit())
        return true;
    prompts.message(QStringLiteral("%1 に書き込めません").arg(QFileInfo(ini.path()).absoluteFilePath()),
                    Prompts::Icon::Error);
    return false;
}

} // namespace veridi
