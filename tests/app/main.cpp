#include "Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

// The window tests need a widget application; the logic tests run inside it as well.
int main(int argc, char** argv) {
    // Windows are driven offscreen, also when the tests are only listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    veridi::registerFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
