#include "QtPrinter.h"
#include "Prompts.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace veridi {

QtPrinter::QtPrinter(const QPrinterInfo& info) : printer_(info, QPrinter::HighResolution) {}

QSize QtPrinter::printableSize() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).size();
}

QPaintDevice* QtPrinter::beginJob() {
    // The painter that draws the page starts the job; ending it prints the page.
    return &printer_;
}

void QtPrinter::endJob() {
    if (printer_.printerState() == QPrinter::Error)
        throw PrintJobError("the printer reported an error");
}

namespace {
// The user's documents folder, or the home folder on a system that has none yet.
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

void PdfFilePrinter::endJob() {
    PdfPrinter::endJob();
    // No printer on this system: the page becomes a PDF file, offered first in the user's
    // documents folder under the day's date.
    Prompts::SaveRequest request;
    request.caption = QStringLiteral("印刷：PDFファイルに保存");
    request.filter = QStringLiteral("PDF (*.pdf)");
    request.defaultExtension = QStringLiteral("pdf");
    request.lastName =
        lastName_.isEmpty()
            ? QDir(documentsFolder())
                  .filePath(QStringLiteral("Veridi %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)))
            : lastName_;
    const auto path = prompts_.saveFileName(request);
    const bool written = path && write(*path);
    clear();
    if (!path)
        return;
    lastName_ = *path;
    if (!written)
        throw PrintJobError(QStringLiteral("%1 に書き込めません").arg(*path).toStdString());
    prompts_.message(QStringLiteral("%1 に保存しました").arg(QDir::toNativeSeparators(*path)),
                     Prompts::Icon::Information);
}

std::unique_ptr<PrinterDevice> openSystemPrinter(Prompts& prompts) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty())
        info = QPrinterInfo::availablePrinters().constFirst();
    if (info.isNull())
        return std::make_unique<PdfFilePrinter>(prompts);
    return std::make_unique<QtPrinter>(info);
}

} // namespace veridi
