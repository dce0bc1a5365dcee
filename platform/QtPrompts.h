#pragma once

#include "Choosers.h"
#include "Prompts.h"

class QWidget;

namespace veridi {

// The prompts and choosers as real dialogs, parented to a window of the program. While the
// program ends because of a termination signal, a message goes to standard error instead.
class QtPrompts : public Prompts, public Choosers {
public:
    // title: the caption of every message box.
    explicit QtPrompts(QString title, QWidget* parent = nullptr)
        : title_(std::move(title)), parent_(parent) {}

    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, Icon icon) override;
    bool askYesNo(const QString& text, Icon icon) override;
    Answer askYesNoCancel(const QString& text, Icon icon) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& preset) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    std::optional<ColoredFont> chooseTextFont(const ColoredFont& initial) override;
    std::optional<QString> saveFileName(const SaveRequest& request) override;
    void printerDialog(PrinterDevice& printer) override;

private:
    QString title_;
    QWidget* parent_;
};

} // namespace veridi
