#include "PageStr.h"
#include "IniFile.h"
#include "SettingsFile.h"

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::SettingsFile;

namespace {

class PageStrTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    IniFile ini{settingsFile.path()};
};

} // namespace

TEST_F(PageStrTest, AMissingSectionGivesTheDefaults) {
    TPageStr ps;
    ps.GetIniSets(ini, u"Header"_qs, QString(), 0, u"0"_qs, u"0"_qs);
    EXPECT_EQ(ps.psStr, QString());
    EXPECT_EQ(ps.psPos, 0);
    EXPECT_FALSE(ps.psBold);
    EXPECT_FALSE(ps.psItalic);
    EXPECT_EQ(ps.psSize, 9);
    EXPECT_EQ(ps.psName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(ps.psX, u"0"_qs);
    EXPECT_EQ(ps.psY, u"0"_qs);
    EXPECT_FALSE(ps.psDrawn);
}

TEST_F(PageStrTest, SavedFieldsLoadBackExceptTheDrawnFlag) {
    TPageStr saved;
    saved.SetSets(QStringLiteral(" 二年 一組 "), QStringLiteral("ＭＳ Ｐゴシック"), 14, 3, u"12.5"_qs,
                  u"-4"_qs, true, true);
    saved.psDrawn = true;
    ASSERT_TRUE(saved.SetIniSets(ini, u"SubTitle"_qs));

    TPageStr loaded;
    loaded.GetIniSets(ini, u"subtitle"_qs, QString(), 0, u"0"_qs, u"0"_qs);
    QString s, name, x, y;
    qint32 size, pos;
    bool bold, italic;
    loaded.GetSets(s, name, size, pos, x, y, bold, italic);
    EXPECT_EQ(s, saved.psStr);
    EXPECT_EQ(name, saved.psName);
    EXPECT_EQ(size, 14);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(x, u"12.5"_qs);
    EXPECT_EQ(y, u"-4"_qs);
    EXPECT_TRUE(bold && italic);
    EXPECT_FALSE(loaded.psDrawn);
}

TEST_F(PageStrTest, StoredValuesReadAsIntegers) {
    ASSERT_TRUE(ini.writeString(u"PageTitle"_qs, u"Pos"_qs, u"7"_qs));
    ASSERT_TRUE(ini.writeString(u"PageTitle"_qs, u"Bold"_qs, u"-2"_qs));
    ASSERT_TRUE(ini.writeString(u"PageTitle"_qs, u"Italic"_qs, u"yes"_qs));
    TPageStr ps;
    ps.GetIniSets(ini, u"PageTitle"_qs, QString(), 0, u"0"_qs, u"0"_qs);
    EXPECT_EQ(ps.psPos, 7);
    EXPECT_TRUE(ps.psBold);
    EXPECT_FALSE(ps.psItalic);
}

TEST_F(PageStrTest, AssignKeepsTheTargetsDrawnFlag) {
    TPageStr source;
    source.SetSets(u"t"_qs, u"f"_qs, 10, 4, u"1"_qs, u"2"_qs, true, false);
    for (bool flag : {true, false}) {
        TPageStr target;
        target.psDrawn = flag;
        source.psDrawn = !flag;
        target.Assign(source);
        EXPECT_EQ(target.psDrawn, flag);
        EXPECT_EQ(target.psStr, u"t"_qs);
        EXPECT_EQ(target.psPos, 4);
        EXPECT_EQ(target.psY, u"2"_qs);
        EXPECT_TRUE(target.psBold);
    }
}

TEST_F(PageStrTest, OnlyANeverPlacedRecordGetsTheDefaultPlace) {
    TPageStr fresh;
    fresh.GetIniSets(ini, u"PageTitle"_qs, QString(), 0, u"0"_qs, u"0"_qs);
    fresh.placeIfUnset(24, u"10"_qs, u"10"_qs);
    EXPECT_EQ(fresh.psPos, 4);
    EXPECT_EQ(fresh.psSize, 24);
    EXPECT_EQ(fresh.psX, u"10"_qs);

    TPageStr hidden; // switched off by the user, but placed
    hidden.SetSets(QString(), u"f"_qs, 9, 0, u"5"_qs, u"0"_qs, false, false);
    hidden.placeIfUnset(24, u"10"_qs, u"10"_qs);
    EXPECT_EQ(hidden.psPos, 0);
    EXPECT_EQ(hidden.psX, u"5"_qs);
}
