#pragma once

#include <QString>

#include <optional>

namespace veridi {

// The modal questions of the program go through this interface, so that the logic can ask the
// user mid-way and tests can answer from a script. It needs no GUI type, so the problem logic can
// ask too; the choosers of fonts, colours and printers are apart (Choosers.h).
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
    virtual std::optional<QString> saveFileName(const SaveRequest& request) = 0;
};

} // namespace veridi
