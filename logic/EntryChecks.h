#pragma once

#include <QString>

#include <optional>

namespace veridi {

// The checks run when the user leaves a box of the main window. Each gives the message to show
// (and then the box's earlier text is restored), or nothing when the value is accepted.

// A minimum or maximum box, against the value of the box it pairs with.
std::optional<QString> checkRangeBox(bool isMinimum, const QString& text, const QString& pairedText);

struct GridCheck {
    std::optional<QString> message;
    qint32 value = 0; // the accepted rows or columns
    // rows × columns; nothing while the other box is itself outside its limits.
    std::optional<qint32> total = std::nullopt;
};

// The rows box against the columns box, and the columns box against the rows box.
GridCheck checkRows(const QString& rowsText, const QString& colsText);
GridCheck checkCols(const QString& colsText, const QString& rowsText);

// A grid that can be laid out, or the message of the first limit it breaks.
std::optional<QString> checkWholeGrid(qint32 rows, qint32 cols);

// A range box read as the generator reads it: a text that is not an integer counts as 1 for a
// minimum and 100 for a maximum.
qint32 rangeBoxValue(bool isMinimum, const QString& text);

} // namespace veridi
