// The emitting operations and the list operations: each emitter appends exactly one line to the
// program list and checks nothing.
#include "CommandLine.h"
#include "DrawEngine.h"
#include "Prompts.h"
#include "TextCodec.h"

#include <QFileInfo>
#include <QSaveFile>

namespace veridi {

namespace {
QString integerText(qint32 n) {
    return QString::number(n);
}
} // namespace

void DrawEngine::appendProgram(const QStringList& fields) {
    ListbyProgram << fields.join(u',');
}

void DrawEngine::PrevTextOut(Real X, Real Y, const QString& Ostr, const QString& Sw) {
    appendProgram({QStringLiteral("TextOut"), formatReal(X), formatReal(Y), quote(Ostr), Sw});
}

void DrawEngine::PrevTextOutAngle(Real X, Real Y, Real ang, const QString& Ostr) {
    appendProgram(
        {QStringLiteral("TextOutAngle"), formatReal(X), formatReal(Y), quote(Ostr), formatReal(ang)});
}

void DrawEngine::PrevLine(Real X1, Real Y1, Real X2, Real Y2) {
    appendProgram({QStringLiteral("Line"), formatReal(X1), formatReal(Y1), formatReal(X2), formatReal(Y2)});
}

void DrawEngine::PrevColor(const QColor& C) {
    appendProgram({QStringLiteral("Color"), ColorToName(C)});
}

void DrawEngine::PrevFontColor(const QColor& C) {
    appendProgram({QStringLiteral("FontColor"), ColorToName(C)});
}

void DrawEngine::PrevBrushColor(const QColor& C) {
    appendProgram({QStringLiteral("BrushColor"), ColorToName(C)});
}

void DrawEngine::PrevPenColor(const QColor& C) {
    appendProgram({QStringLiteral("PenColor"), ColorToName(C)});
}

void DrawEngine::PrevFontSize(qint32 sz) {
    appendProgram({QStringLiteral("FontSize"), integerText(sz)});
}

void DrawEngine::PrevFontName(const QString& name) {
    appendProgram({QStringLiteral("FontName"), name});
}

void DrawEngine::PrevFontStyle(const QString& St) {
    appendProgram({QStringLiteral("FontStyle"), St});
}

void DrawEngine::PrevPenWidth(Real w) {
    appendProgram({QStringLiteral("PenWidth"), formatPenWidth(w)});
}

void DrawEngine::PrevPenSize(qint32 w) {
    appendProgram({QStringLiteral("PenSize"), integerText(w)});
}

void DrawEngine::PrevPenStyle(const QString& St) {
    appendProgram({QStringLiteral("PenStyle"), St});
}

void DrawEngine::PrevPicture(const QString& fname, Real x1, Real y1, Real x2, Real y2) {
    appendProgram(
        {QStringLiteral("Picture"), fname, formatReal(x1), formatReal(y1), formatReal(x2), formatReal(y2)});
}

void DrawEngine::PrevHeader(const QString& s, qint32 posnum, Real x, Real y) {
    appendProgram({QStringLiteral("Header"), quote(s), integerText(posnum), formatReal(x), formatReal(y)});
}

void DrawEngine::PrevFooter(const QString& s, qint32 posnum, Real x, Real y) {
    appendProgram({QStringLiteral("Footer"), quote(s), integerText(posnum), formatReal(x), formatReal(y)});
}

void DrawEngine::PrevpageTitle(const QString& s, qint32 posnum, Real x, Real y) {
    appendProgram({QStringLiteral("PageTitle"), quote(s), integerText(posnum), formatReal(x), formatReal(y)});
}

void DrawEngine::PrevSubTitle(const QString& s, qint32 posnum, Real x, Real y) {
    appendProgram({QStringLiteral("SubTitle"), quote(s), integerText(posnum), formatReal(x), formatReal(y)});
}

void DrawEngine::PrevInit() {
    appendProgram({QStringLiteral("INITPARAM")});
}

void DrawEngine::ClearProgramList() {
    ListbyProgram.clear();
}

void DrawEngine::ClearManualList() {
    ListByManual.clear();
}

void DrawEngine::DeleteManualList(qint32 idx) {
    if (idx >= 0 && idx < ListByManual.size())
        ListByManual.removeAt(idx);
}

void DrawEngine::SaveList() {
    Prompts::SaveRequest request;
    request.lastName = SaveName;
    const std::optional<QString> name = prompts_.saveFileName(request);
    if (!name || name->isEmpty())
        return;
    SaveName = *name;
    const QString text =
        ListByManual.isEmpty() ? QString() : ListByManual.join(QStringLiteral("\r\n")) + "\r\n";
    bool fits = true;
    QByteArray bytes = encodeCp932(text, &fits);
    // Characters code page 932 cannot hold would be lost as "?"; such a list is kept whole in
    // UTF-8, whose byte-order mark the command file reader recognises.
    if (!fits)
        bytes = "\xEF\xBB\xBF" + text.toUtf8();
    // Written beside the old file and then renamed over it, so a failure never leaves half a list.
    QSaveFile file(*name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        prompts_.message(QStringLiteral("%1: %2").arg(QFileInfo(*name).fileName(), file.errorString()),
                         Prompts::Icon::Error);
}

void DrawEngine::SetCopyright(const QString& s) {
    PageNote.psStr = s;
}

} // namespace veridi
