#include "QtPrompts.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGroupBox>
#include <QIcon>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintDialog>
#include <QPushButton>

#include "QtPrinter.h"
#include "TerminationSignals.h"

#include <cstdio>

namespace veridi {
namespace {

QMessageBox::Icon toQt(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Error:
        return QMessageBox::Critical;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

int run(QWidget* parent, const QString& title, const QString& text, Prompts::Icon icon,
        QMessageBox::StandardButtons buttons) {
    QMessageBox box(toQt(icon), title, text, buttons, parent);
    return box.exec();
}

} // namespace

void QtPrompts::message(const QString& text, Icon icon) {
    if (endingBecauseOfSignal()) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                     qUtf8Printable(text));
        return;
    }
    run(parent_, title_, text, icon, QMessageBox::Ok);
}

bool QtPrompts::askYesNo(const QString& text, Icon icon) {
    return run(parent_, title_, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompts::Answer QtPrompts::askYesNoCancel(const QString& text, Icon icon) {
    switch (run(parent_, title_, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtPrompts::inputText(const QString& caption, const QString& prompt,
                                            const QString& preset) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QFont> QtPrompts::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent_);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtPrompts::chooseColor(const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent_);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

// Qt's font dialog has no colour of its own; a colour button below its fields adds one.
std::optional<ColoredFont> QtPrompts::chooseTextFont(const ColoredFont& initial) {
    QFontDialog dialog(initial.font, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QColor color = initial.color;
    auto* colorButton = new QPushButton(QStringLiteral("色(&C)..."), &dialog);
    const auto showColor = [colorButton, &color] {
        QPixmap swatch(16, 16);
        swatch.fill(color);
        colorButton->setIcon(QIcon(swatch));
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&dialog, &color, showColor] {
        const QColor chosen = QColorDialog::getColor(color, &dialog);
        if (chosen.isValid())
            color = chosen;
        showColor();
    });
    // Beside the effects (strikeout, underline), the first group of the dialog.
    const auto groups = dialog.findChildren<QGroupBox*>();
    if (!groups.isEmpty() && groups.constFirst()->layout())
        groups.constFirst()->layout()->addWidget(colorButton);
    else if (dialog.layout())
        dialog.layout()->addWidget(colorButton);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ColoredFont{dialog.selectedFont(), color};
}

std::optional<QString> QtPrompts::saveFileName(const SaveRequest& request) {
    QFileDialog dialog(parent_, request.caption, QFileInfo(request.lastName).absolutePath(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.lastName.isEmpty())
        dialog.selectFile(request.lastName);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void QtPrompts::printerDialog(PrinterDevice& printer) {
    if (auto* system = dynamic_cast<QtPrinter*>(&printer)) {
        QPrintDialog dialog(&system->qprinter(), parent_);
        dialog.exec();
        return;
    }
    message(QStringLiteral("プリンタが見つかりません。印刷はPDFファイルに保存されます。"), Icon::Information);
}

} // namespace veridi
