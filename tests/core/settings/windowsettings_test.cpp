#include "settings/windowsettings.h"

#include "catalogue/topictable.h"
#include "support/teststore.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tolvarin;
using tolvarin::test::TestStore;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::Czechia);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// 1280 x 960 pixels at 96 dpi.
constexpr int kScreenWidth = 19200;
constexpr int kScreenHeight = 14400;

struct StoredValue {
    const char* key;
    const char* text;
};

struct PlacementCase {
    const char* name;
    std::vector<StoredValue> stored;  // section "Start"
    WindowPlacement expected;
};

TEST(WindowSettings, RestoredPlacement)
{
    // The designed 7590 x 6285 centred: 9600 - 3795, 7200 - 3142.
    const WindowPlacement centred{5805, 4058, 7590, 6285, 0, 1700};
    const PlacementCase cases[] = {
        {"no stored placement", {}, centred},
        {"Left beyond the width", {{"Left", "20000"}}, {19100, 4058, 7590, 6285, 0, 1700}},
        {"Left at the width", {{"Left", "19200"}}, {19200, 4058, 7590, 6285, 0, 1700}},
        {"Left just inside", {{"Left", "19199"}}, {19199, 4058, 7590, 6285, 0, 1700}},
        {"Top beyond the height", {{"Top", "14401"}}, {5805, 14300, 7590, 6285, 0, 1700}},
        {"negative edges are kept", {{"Left", "-300"}, {"Top", "-15"}}, {-300, -15, 7590, 6285, 0, 1700}},
        {"everything stored",
         {{"Left", "1200"},
          {"Top", "900"},
          {"Width", "9000"},
          {"Height", "7000"},
          {"WindowState", "2"},
          {"Vlevo", "2500"}},
         {1200, 900, 9000, 7000, 2, 2500}},
        {"a regional single", {{"Left", "1234,6"}, {"Width", "8000.4"}}, {1235, 4058, 8000, 6285, 0, 1700}},
        {"not numbers take the defaults", {{"Left", "vlevo"}, {"Height", ""}, {"Vlevo", "1e9"}}, centred},
        {"unknown window state", {{"WindowState", "3"}}, centred},
        {"length beyond an int", {{"Width", "1e30"}}, centred},
    };
    for (const PlacementCase& c : cases) {
        TestStore store;
        for (const StoredValue& value : c.stored) store.set("Start", value.key, QString::fromUtf8(value.text));
        EXPECT_EQ(restoredPlacement(*store.store, kScreenWidth, kScreenHeight, kCzech), c.expected) << c.name;
    }
}

TEST(WindowSettings, CentringUsesWholeHalves)
{
    TestStore store;
    // 15001 / 2 = 7500, 7590 / 2 = 3795; 10001 / 2 = 5000, 6285 / 2 = 3142.
    const WindowPlacement p = restoredPlacement(*store.store, 15001, 10001, kEnglish);
    EXPECT_EQ(p.left, 3705);
    EXPECT_EQ(p.top, 1858);
}

TEST(WindowSettings, SavedPlacementIsRestored)
{
    const WindowPlacement placements[] = {{1200, 900, 9000, 7000, 1, 2500}, {-300, 0, 7590, 6255, 0, 550}};
    for (const WindowPlacement& saved : placements) {
        TestStore store;
        savePlacement(*store.store, saved);
        store.reopen();
        EXPECT_EQ(restoredPlacement(*store.store, kScreenWidth, kScreenHeight, kCzech), saved) << saved.left;
        EXPECT_EQ(store.get("Start", "Width"), QString::number(saved.width));
    }
}

TEST(WindowSettings, NavigatorNamesSurviveARestart)
{
    TestStore store;
    QStringList builtin;
    for (int n = 1; n <= kBuiltinTopicCount; ++n) builtin.append(builtinTopicTitle(n));
    builtin[0] = QStringLiteral("Vzdálenost");
    builtin[25] = QStringLiteral("Předpony");
    // The user file defines topics 1 and 3 only; the names keep their numbers.
    saveNavigatorNames(*store.store, builtin, {{1, QStringLiteral("Peníze")}, {3, QStringLiteral("Čas práce")}});
    ASSERT_TRUE(store.store->flush());
    store.reopen();

    EXPECT_EQ(storedBuiltinTitle(*store.store, 1), "Vzdálenost");
    EXPECT_EQ(storedBuiltinTitle(*store.store, 5), "Hustota");  // unnamed: the shipped title
    EXPECT_EQ(storedBuiltinTitle(*store.store, 2), "Plošný obsah");
    EXPECT_EQ(storedBuiltinTitle(*store.store, 26), "Předpony");
    EXPECT_EQ(storedUserTitle(*store.store, 1, {}), "Peníze");
    EXPECT_EQ(storedUserTitle(*store.store, 3, QStringLiteral("Z souboru")), "Čas práce");
    EXPECT_EQ(store.get("Navigator", "U2"), "<none>");
}

struct UserTitleCase {
    const char* stored;  // nullptr: no "U2" in the store
    const char* fromFile;
    const char* expected;
};

TEST(WindowSettings, UserTopicTitleFallbacks)
{
    const UserTitleCase cases[] = {
        {nullptr, "", "Uživatel 2"},
        {nullptr, "Měny", "Měny"},
        {"Moje měny", "Měny", "Moje měny"},
        {"Moje měny", "", "Moje měny"},
    };
    for (const UserTitleCase& c : cases) {
        TestStore store;
        if (c.stored) store.set("Navigator", "U2", QString::fromUtf8(c.stored));
        EXPECT_EQ(storedUserTitle(*store.store, 2, QString::fromUtf8(c.fromFile)), QString::fromUtf8(c.expected))
            << c.expected;
    }
}

}  // namespace
