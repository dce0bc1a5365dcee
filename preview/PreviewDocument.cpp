#include "PreviewDocument.h"

#include "ImageFileWriter.h"
#include "ImageMemory.h"
#include "JpegWriter.h"
#include "NumberText.h"
#include "Printer.h"

#include <QFileInfo>

#include <QImage>

namespace veridi {
namespace {

const QString kDefaultListFile = QStringLiteral("ZezaVivo.prv");

struct PageStrSection {
    TPageStr DrawEngine::*record;
    const char16_t* section;
};

const PageStrSection kPageStrSections[] = {
    {&DrawEngine::Header, u"Header"},
    {&DrawEngine::Footer, u"Footer"},
    {&DrawEngine::PageTitle, u"PageTitle"},
    {&DrawEngine::SubTitle, u"SubTitle"},
};

} // namespace

PreviewDocument::PreviewDocument(Prompts& prompts, PrinterDevice* printer, qint32 monitorRes,
                                 IniFile settings)
    : engine(prompts, printer, monitorRes), sources(engine, prompts), settings_(std::move(settings)) {
    engine.UnitType = 0;
    engine.PageView = 1;
    engine.nTgtCanvas = 1;
    if (!ready())
        return;
    LimitLevel = 0;
    LoadPrevSettings();
    for (size_t i = 0; i < std::size(kPageStrSections); ++i) {
        TPageStr& record = engine.*kPageStrSections[i].record;
        record.GetIniSets(settings_, QString::fromUtf16(kPageStrSections[i].section), QString(), 0,
                          QStringLiteral("0"), QStringLiteral("0"));
        if (!record.psStr.isEmpty() && record.psPos > 0)
            pageStrTicks[i] = true;
    }
    settingsRead_ = true;
}

void PreviewDocument::LoadPrevSettings() {
    engine.PageView = settings_.readInteger(QStringLiteral("PageView"), QStringLiteral("Index"), 1);
    engine.UnitType = settings_.readInteger(QStringLiteral("Unit"), QStringLiteral("Type"), 2);
    engine.fScale = settings_.readInteger(QStringLiteral("Sw"), QStringLiteral("Scale"), 0);
    engine.fMesh = settings_.readInteger(QStringLiteral("Sw"), QStringLiteral("Mesh"), 0);
    const QString listFile =
        settings_.readString(QStringLiteral("ListFile"), QStringLiteral("Name"), kDefaultListFile);
    sources.ListIniFile = listFile.isEmpty() ? kDefaultListFile : listFile;
    CQuality = quint8(settings_.readInteger(QStringLiteral("Option"), QStringLiteral("Quality"), 90) & 0xFF);
}

void PreviewDocument::SavePrevSettings() {
    settings_.writeInteger(QStringLiteral("PageView"), QStringLiteral("Index"), engine.PageView);
    settings_.writeInteger(QStringLiteral("Unit"), QStringLiteral("Type"), engine.UnitType);
    settings_.writeInteger(QStringLiteral("Sw"), QStringLiteral("Scale"), engine.fScale);
    settings_.writeInteger(QStringLiteral("Sw"), QStringLiteral("Mesh"), engine.fMesh);
    settings_.writeString(QStringLiteral("ListFile"), QStringLiteral("Name"), sources.ListIniFile);
    settings_.writeInteger(QStringLiteral("Option"), QStringLiteral("Quality"), CQuality);
}

void PreviewDocument::saveSettings() {
    if (!settingsRead_)
        return;
    // The view settings and the four page strings go out in one replacement of the file.
    IniSave save(settings_);
    SavePrevSettings();
    for (const PageStrSection& s : kPageStrSections)
        (engine.*s.record).SetIniSets(settings_, QString::fromUtf16(s.section));
    save.commit();
}

QSize PreviewDocument::pageViewFit(QSize clientSize, qint32 pageW, qint32 pageH) {
    // An empty client area or page has no shape to fit; the image then takes the client area.
    if (clientSize.width() <= 0 || clientSize.height() <= 0 || pageW <= 0 || pageH <= 0)
        return clientSize.expandedTo(QSize(0, 0));
    const Real cw = clientSize.width();
    const Real ch = clientSize.height();
    const Real rw = Real(pageW) / cw;
    const Real rh = Real(pageH) / ch;
    if (rh >= rw)
        return {truncateReal(cw * rw / rh), truncateReal(ch)};
    return {truncateReal(cw), truncateReal(ch * rh / rw)};
}

void PreviewDocument::Show(QSize clientSize) {
    if (!ready())
        return;
    const QSize page = engine.oneToOneSize();
    engine.SetImageSize(page.width(), page.height());
    if (engine.PageView == 2) {
        const QSize fitted = pageViewFit(clientSize, engine.PageW, engine.PageH);
        engine.SetPageImageSize(fitted.width(), fitted.height());
    }
    sources.LoadListByFile();
    engine.GetPrinterRes();
    engine.ListByManual.clear();
    engine.ListbyProgram.clear();
    engine.fBold = engine.fItalic = engine.fUnderline = engine.fStrikeout = false;
}

void PreviewDocument::showOneToOne() {
    engine.PageView = 1;
}

void PreviewDocument::showWholePage(QSize clientSize) {
    engine.PageView = 2;
    engine.SetPageImageSize(10, 10);
    const QSize fitted = pageViewFit(clientSize, engine.PageW, engine.PageH);
    engine.SetPageImageSize(fitted.width(), fitted.height());
    engine.DrawGraphics();
}

void PreviewDocument::toggleScale() {
    engine.fScale = engine.fScale == 1 ? 0 : 1;
    engine.DrawGraphics();
}

void PreviewDocument::toggleMesh() {
    engine.fMesh = engine.fMesh == 1 ? 0 : 1;
    engine.DrawGraphics();
}

void PreviewDocument::setUnit(qint32 unitType) {
    engine.UnitType = unitType;
    engine.DrawGraphics();
}

void PreviewDocument::resized() {
    if (engine.ErrorNum == -1)
        engine.DrawGraphics();
}

bool PreviewDocument::resizeAllowed(QSize clientSize) const {
    if (engine.ErrorNum != -1)
        return true;
    const QSize needed = engine.PageView == 1 ? engine.oneToOneSize() : clientSize;
    if (needed.width() <= 0 || needed.height() <= 0)
        return true;
    return imageSizeAllowed(needed, QImage::Format_RGB32);
}

const QImage& PreviewDocument::visibleImage() const {
    return engine.PageView == 2 ? engine.Image2 : engine.Image1;
}

void PreviewDocument::saveImage(const QString& fileName) const {
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.mid(dot).toUpper();
    if (extension == QLatin1String(".JPEG") || extension == QLatin1String(".JPG"))
        writeJpegFile(visibleImage(), fileName, CQuality);
    else
        writeImageFile(visibleImage(), fileName, "BMP");
}

std::optional<QString> PreviewDocument::setQuality(const QString& typed) {
    const auto quality = parseInteger32(typed);
    if (!quality)
        return QStringLiteral("入力した文字列が整数ではありません");
    if (*quality < 1 || *quality > 100)
        return QStringLiteral("範囲を越えています.\r\n1から100までの整数を入力して下さい");
    CQuality = quint8(*quality);
    return std::nullopt;
}

QString PreviewDocument::SetPrinter() {
    engine.GetPrinterRes();
    engine.GetPageSize();
    const QSize page = engine.oneToOneSize();
    engine.SetImageSize(page.width(), page.height());
    engine.DrawGraphics();
    return QStringLiteral("Preview %1:%2 %3:%4")
        .arg(engine.PageW)
        .arg(engine.PageH)
        .arg(engine.PrinterResX)
        .arg(engine.PrinterResY);
}

void PreviewDocument::PrintOut() {
    struct TargetRestore {
        qint32& target;
        qint32 kept;
        ~TargetRestore() { target = kept; }
    } restore{engine.nTgtCanvas, engine.nTgtCanvas};
    engine.nTgtCanvas = 0;
    engine.DrawGraphics();
}

} // namespace veridi
