#include "settings/windowsettings.h"

#include "catalogue/topictable.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/teststore.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::TestStore;
using tolvarin::test::u;

namespace {

// 1280 x 960 pixels at 96 dpi.
constexpr TwipsRect kScreen{0, 0, 19200, 14400};

QString placementText(const WindowPlacement& p)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(p.left)
        .arg(p.top)
        .arg(p.width)
        .arg(p.height)
        .arg(p.windowState)
        .arg(p.navigatorWidthFitted ? QStringLiteral("fit") : QString::number(p.navigatorWidth));
}

TEST(WindowSettings, RestoredPlacement)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/placements.txt"), 2, 9)) {
        TestStore store;
        for (const auto& [key, text] : test::dataItems(f.value(0))) store.store->writeText(u("Start"), key, text);
        EXPECT_EQ(placementText(restoredPlacement(*store.store, kScreen, kCzech)), f.value(1)) << test::rowName(f);
    }
    // Two thirds and centring take whole numbers; the area's corner counts; a
    // small screen gives the designed size, kept inside the area's corner.
    const std::pair<TwipsRect, const char*> screens[] = {{{0, 0, 15001, 10001}, "2500 1667 10000 6667 0 fit"},
                                                         {{300, 450, 9000, 6000}, "1005 450 7590 6285 0 fit"}};
    for (const auto& [screen, placement] : screens)
        EXPECT_EQ(placementText(restoredPlacement(*TestStore().store, screen, kEnglish)), u(placement));
}

TEST(WindowSettings, SavedPlacementIsRestored)
{
    const WindowPlacement placements[] = {{1200, 900, 9000, 7000, 1, 2500}, {-300, 0, 7590, 6255, 0, 550}};
    for (const WindowPlacement& saved : placements) {
        TestStore store;
        savePlacement(*store.store, saved);
        store.reopen();
        EXPECT_EQ(placementText(restoredPlacement(*store.store, kScreen, kCzech)), placementText(saved));
    }
}

TEST(WindowSettings, NavigatorNamesSurviveARestart)
{
    TestStore store;
    QStringList builtin;
    for (int n = 1; n <= kBuiltinTopicCount; ++n) builtin.append(builtinTopicTitle(n));
    builtin[25] = u("Předpony");
    // The user file defines topics 1 and 3 only; the names keep their numbers.
    saveNavigatorNames(*store.store, builtin, {{1, u("Peníze")}, {3, u("Čas práce")}});
    store.reopen();

    EXPECT_EQ(storedBuiltinTitle(*store.store, 2) + u'|' + storedBuiltinTitle(*store.store, 26),
              u("Plošný obsah|Předpony"));
    // A stored user title wins over the user file's; without either the title is "Uživatel n".
    EXPECT_EQ(storedUserTitle(*store.store, 1, {}), u("Peníze"));
    EXPECT_EQ(storedUserTitle(*store.store, 3, u("Z souboru")), u("Čas práce"));
    EXPECT_EQ(storedUserTitle(*store.store, 2, u("Měny")) + u'|' + storedUserTitle(*store.store, 2, {}),
              u("Měny|Uživatel 2"));
}

}  // namespace
