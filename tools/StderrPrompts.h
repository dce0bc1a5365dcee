#pragma once

#include "Prompts.h"

namespace veridi::sheettool {

// The prompts of the command-line tool: every text goes to stderr on a line of its own; a
// question gets the answer given on the command line, every save dialog is cancelled.
class StderrPrompts : public Prompts {
public:
    explicit StderrPrompts(bool answerYes = false) : answerYes_(answerYes) {}

    void message(const QString& text, Icon icon) override;
    bool askYesNo(const QString& text, Icon icon) override;
    Answer askYesNoCancel(const QString& text, Icon icon) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& preset) override;
    std::optional<QString> saveFileName(const SaveRequest&) override { return std::nullopt; }

private:
    bool answerYes_;
};

} // namespace veridi::sheettool
