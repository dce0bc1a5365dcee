#pragma once

#include "Generator.h"

#include <QStringList>

namespace veridi {

class Prompts;

// Recomputes the answer list from the two operand lists with the operation selected now. Every
// line that cannot be computed shows its own message and gets a marker line; answer lines beyond
// the first list are kept, missing ones are appended. Returns the new answer list.
QStringList recalculateAnswers(const QStringList& first, const QStringList& second,
                               const QStringList& answers, Operation operation, Prompts& prompts);
// The new answer of line number lineNumber (counted from 1) of the operand lists; a line that
// cannot be computed shows its message and gives its marker.
QString recalculateLine(const QString& first, const QString& second, Operation operation, qint64 lineNumber,
                        Prompts& prompts);

} // namespace veridi
