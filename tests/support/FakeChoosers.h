#pragma once

#include "Choosers.h"
#include "FakePrompts.h"

namespace veridi::test {

// Answers the font and colour choosers from queues and counts the printer dialogs.
class FakeChoosers : public Choosers {
public:
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<ColoredFont>> textFontAnswers;
    int printerDialogs = 0;

    std::optional<QFont> chooseFont(const QFont&) override { return takeAnswer(fontAnswers, "font"); }
    std::optional<QColor> chooseColor(const QColor&) override { return takeAnswer(colorAnswers, "colour"); }
    std::optional<ColoredFont> chooseTextFont(const ColoredFont&) override {
        return takeAnswer(textFontAnswers, "text font");
    }
    void printerDialog(PrinterDevice&) override { ++printerDialogs; }
};

} // namespace veridi::test
