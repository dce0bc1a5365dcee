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

} // namespace veridi
