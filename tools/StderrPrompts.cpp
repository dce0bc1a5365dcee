#include "StderrPrompts.h"

#include <cstdio>

namespace veridi::sheettool {
namespace {

void printLine(const QString& text) {
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

void StderrPrompts::message(const QString& text, Icon) {
    printLine(text);
}

bool StderrPrompts::askYesNo(const QString& text, Icon) {
    printLine(text);
    return answerYes_;
}

Prompts::Answer StderrPrompts::askYesNoCancel(const QString& text, Icon) {
    printLine(text);
    return answerYes_ ? Answer::Yes : Answer::No;
}

std::optional<QString> StderrPrompts::inputText(const QString& caption, const QString& prompt,
                                                const QString&) {
    printLine(caption + QStringLiteral(": ") + prompt);
    return std::nullopt;
}

} // namespace veridi::sheettool
