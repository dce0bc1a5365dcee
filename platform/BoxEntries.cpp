#include "BoxEntries.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

namespace veridi {

BoxEntries::BoxEntries(QWidget* window, std::initializer_list<QLineEdit*> boxes, Leave leave)
    : QObject(window), window_(window), boxes_(boxes), leave_(std::move(leave)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void BoxEntries::focusMoved(QWidget* now) {
    if (!now || now->window() != window_ || qobject_cast<QMenuBar*>(now) || now == entered_)
        return;
    if (entered_) {
        runPendingLeave(); // a box left before has its turn first
        pendingLeave_ = entered_;
        pendingEntryText_ = entryText_;
        QTimer::singleShot(0, this, &BoxEntries::runPendingLeave);
    }
    const auto watched = std::find(boxes_.begin(), boxes_.end(), now);
    entered_ = watched == boxes_.end() ? nullptr : *watched;
    if (entered_)
        entryText_ = entered_->text();
}

void BoxEntries::runPendingLeave() {
    QPointer<QLineEdit> left = pendingLeave_;
    pendingLeave_ = nullptr;
    if (left)
        leave_(left, pendingEntryText_);
}

void BoxEntries::settle() {
    runPendingLeave();
    if (entered_) {
        leave_(entered_, entryText_);
        if (entered_)
            entryText_ = entered_->text();
    }
}

void BoxEntries::reset() {
    entered_ = nullptr;
    pendingLeave_ = nullptr;
}

} // namespace veridi
