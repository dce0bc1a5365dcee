#include "Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

// Windows, fonts and text measurement need an application; windows are driven offscreen, also
// when the tests are only listed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    veridi::registerFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
