#include "QtTranslations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

TEST(QtTranslations, QtsOwnButtonsSpeakJapanese) {
    ASSERT_TRUE(veridi::loadJapaneseQtTranslations());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("はい(&Y)"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
}
