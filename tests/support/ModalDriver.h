#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace veridi::test {

// Acts on the next modal dialog as soon as it runs: the action types and clicks in it as a user
// would and ends it with its OK or Cancel button. A dialog that never opens fails the action.
inline void whenModal(std::function<void(QDialog&)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog came";
            return;
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        action(*dialog);
    });
}

// Enters a box, replaces its text and leaves it for next, letting the check of leaving run.
inline void typeInto(QLineEdit* box, const QString& text, QWidget* next) {
    box->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    box->selectAll();
    QTest::keyClicks(box, text);
    next->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace veridi::test
