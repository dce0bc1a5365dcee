#pragma once

#include "Prompts.h"

#include <QStringList>

#include <deque>
#include <stdexcept>

namespace veridi::test {

// Records every prompt in order and answers from queues; an unexpected question fails loudly.
class FakePrompts : public Prompts {
public:
    QStringList messages; // every text shown, in order, whatever the kind of box
    std::deque<bool> yesNoAnswers;
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<std::optional<QString>> textAnswers;
    std::deque<std::optional<QFont>> fontAnswers;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<std::optional<QString>> saveAnswers;
    QList<SaveRequest> saveRequests;
    int printerDialogs = 0;

    void message(const QString& text, Icon) override { messages << text; }
    bool askYesNo(const QString& text, Icon) override {
        messages << text;
        return take(yesNoAnswers, "yes/no");
    }
    Answer askYesNoCancel(const QString& text, Icon) override {
        messages << text;
        return take(yesNoCancelAnswers, "yes/no/cancel");
    }
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString&) override {
        messages << caption + u'|' + prompt;
        return take(textAnswers, "text input");
    }
    std::optional<QFont> chooseFont(const QFont&) override { return take(fontAnswers, "font"); }
    std::optional<QColor> chooseColor(const QColor&) override { return take(colorAnswers, "colour"); }
    std::optional<QString> saveFileName(const SaveRequest& request) override {
        saveRequests << request;
        return take(saveAnswers, "save file");
    }

    void printerDialog(PrinterDevice&) override { ++printerDialogs; }

private:
    template <typename T> static T take(std::deque<T>& queue, const char* what) {
        if (queue.empty())
            throw std::logic_error(std::string("unexpected ") + what + " prompt");
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace veridi::test
