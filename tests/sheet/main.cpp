#include "Fonts.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// Composition measures texts, which needs a Gui application and the page fonts.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    veridi::registerFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
