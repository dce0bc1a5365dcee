#pragma once

#include "Prompts.h"

#include <QStringList>

#include <deque>
#include <stdexcept>
#include <string>

namespace veridi::test {

// Takes the next scripted answer; a question nobody scripted fails the test loudly.
template <typename T> T takeAnswer(std::deque<T>& queue, const char* what) {
    if (queue.empty())
        throw std::logic_error(std::string("unexpected ") + what + " prompt");
    T value = queue.front();
    queue.pop_front();
    return value;
}

// Records every prompt in order and answers from queues; an unexpected question fails loudly.
class FakePrompts : public Prompts {
public:
    QStringList messages; // every text shown, in order, whatever the kind of box
    std::deque<bool> yesNoAnswers;
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<std::optional<QString>> textAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QList<SaveRequest> saveRequests;

    void message(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override {
        messages << text;
        return takeAnswer(yesNoAnswers, "yes/no");
    }
    Answer askYesNoCancel(const QString& text, Icon) override {
        messages << text;
        return takeAnswer(yesNoCancelAnswers, "yes/no/cancel");
    }
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString&) override {
        messages << caption + u'|' + prompt;
        return takeAnswer(textAnswers, "text input");
    }
    std::optional<QString> saveFileName(const SaveRequest& request) override {
        saveRequests << request;
        return takeAnswer(saveAnswers, "save file");
    }
};

} // namespace veridi::test
