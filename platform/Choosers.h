#pragma once

#include <QColor>
#include <QFont>

#include <optional>

namespace veridi {

class PrinterDevice;

// A text font with the colour its text is drawn in, chosen together as in a font dialog.
struct ColoredFont {
    QFont font;
    QColor color;
};

// The modal choosers, which deal in GUI types: a font, a colour, the printer's set-up. Tests
// answer them from a script like the prompts.
class Choosers {
public:
    virtual ~Choosers() = default;

    // Nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;
    virtual std::optional<ColoredFont> chooseTextFont(const ColoredFont& initial) = 0;
    // The printer dialog, in which the user sets up the printer; whether it was confirmed does
    // not matter to the program.
    virtual void printerDialog(PrinterDevice& printer) = 0;
};

} // namespace veridi
