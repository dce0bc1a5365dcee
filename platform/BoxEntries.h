#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <initializer_list>
#include <vector>

class QLineEdit;
class QWidget;

namespace veridi {

// Tells a window when the user enters and leaves its checked boxes. A box is entered when the
// focus lands on it and left when the focus lands on another control of the same window,
// however the focus got there: a click into an inactive window brings it with the activation.
// Focus in another window (a message box), in a menu or on the menu bar leaves the box entered.
// The leave handler gets the text the box had when it was entered, to restore a rejected value;
// it runs once the focus has settled on its new control, so that a message box it shows does
// not interrupt the move.
class BoxEntries : public QObject {
public:
    using Leave = std::function<void(QLineEdit* box, const QString& entryText)>;

    BoxEntries(QWidget* window, std::initializer_list<QLineEdit*> boxes, Leave leave);

    // The box the user is in, or null.
    QLineEdit* entered() const { return entered_; }
    // What leaving would do, now: the pending leave of a box left, then the leave of the box
    // still entered, which stays entered with its text as it then stands. Accelerators run their
    // action while a box keeps the focus.
    void settle();
    // Forgets the entered box without checking it: a dialog opened afresh.
    void reset();

private:
    void focusMoved(QWidget* now);
    void runPendingLeave();

    QWidget* window_;
    std::vector<QLineEdit*> boxes_;
    Leave leave_;
    QPointer<QLineEdit> entered_;
    QString entryText_;
    QPointer<QLineEdit> pendingLeave_;
    QString pendingEntryText_;
};

} // namespace veridi
