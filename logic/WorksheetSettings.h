#pragma once

#include "Generator.h"

#include <QString>

namespace veridi {

class IniFile;
class Prompts;

// The problem font: face, size in points, colour 0x00BBGGRR (red in the low byte), style.
struct ExamFontSpec {
    QString Name = QStringLiteral("ＭＳ Ｐゴシック");
    qint32 Size = 9;
    qint32 Color = 0;
    bool Bold = false;
    bool Italic = false;
};

// Every worksheet setting the main window owns and keeps in the settings file. The initial
// values are the ones the window has before the file is read.
struct WorksheetSettings {
    QString sHeader;
    QString sFooter;
    QString sPageTitle;
    QString sSubTitle;
    QString sDateTime;
    QString sName;
    qint32 AnswerType = 1; // 1 answers on a page of their own, 2 together with the problems
    double WindowTop = 0;
    double WindowLeft = 0;
    double WindowRight = 0;
    double WindowBottom = 0;
    bool WindowFrame = false;
    qint32 ExamRowN = 10;
    qint32 ExamColN = 1;
    double ExamSeparate = 0;
    bool ExamType = false;
    qint32 nZero = 1;
    bool fExNum = true;
    qint32 rnd_D = 0;
    bool fNotRest = false;
    QString ExNumLeft = QStringLiteral("(");
    QString ExNumRight = QStringLiteral(")");
    bool fNZero = false;
    bool fNOne = false;
    ExamFontSpec FntExam;
};

// The settings the generator reads; the operation and the operand ranges are left as given.
GeneratorSettings toGeneratorSettings(const WorksheetSettings& settings, GeneratorSettings s = {});

// Reads every key, each with its default; the problem font starts from mainFont. An answer
// type of 0 becomes 1.
void LoadIniSets(const IniFile& ini, WorksheetSettings& settings, const ExamFontSpec& mainFont = {});

// Writes every key in order. A key that cannot be written stops the saving there with the
// message "%s に書き込めません" naming the file; returns false then.
bool SaveIniSets(IniFile& ini, const WorksheetSettings& settings, Prompts& prompts);

} // namespace veridi
