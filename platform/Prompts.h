#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace veridi {

// Every modal interaction of the program goes through this interface, so that the logic can
// ask the user mid-way and tests can answer from a script.
class PrinterDevice;

class Prompts {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Yes, No, Cancel };

    struct SaveRequest {
        QString caption;
        QString filter;           // file-type filter, empty for none
        QString defaultExtension; // without the dot, empty for none
        QString lastName;         // the name offered
        bool confirmOverwrite = true;
    };

    virtual ~Prompts() = default;

    // A message box with one OK button.
    virtual void message(const QString& text, Icon icon = Icon::None) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(const QString& text, Icon icon = Icon::Question) = 0;
    virtual Answer askYesNoCancel(const QString& text, Icon icon = Icon::Question) = 0;
    // A one-line text input; nothing when cancelled.
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& preset) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    virtual std::optional<QString> saveFileName(const SaveRequest& request) = 0;
    // The printer dialog, in which the user sets up the printer; whether it was confirmed does
    // not matter to the program.
    virtual void printerDialog(PrinterDevice& printer) = 0;
};

} // namespace veridi
