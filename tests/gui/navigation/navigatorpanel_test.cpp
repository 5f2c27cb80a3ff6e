// The navigator panel on its own: the order of the unit list and the look of its lists.
#include "navigation/listlook.h"
#include "navigation/navigatorpanel.h"
#include "support/testtext.h"

#include <QColor>

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

TEST(NavigatorUnitList, CzechAlphabeticalOrder)
{
    NavigatorPanel panel;
    const char* names[] = {"chlast", "čárka", "hodina", "cent", "Ímperiální", "zrno", "icí"};
    QList<UnitListEntry> entries;
    for (int i = 0; i < 7; ++i) entries.append({u(names[i]), QStringLiteral("Delka"), unitTag(1, i + 1)});
    panel.setUnits([entries] { return entries; });
    QStringList shown;
    for (int i = 0; i < panel.unitList()->count(); ++i) shown << panel.unitList()->item(i)->text();
    // "č" follows "c", and "ch" is its own letter after "h".
    EXPECT_EQ(shown, (QStringList{u("cent"), u("čárka"), u("hodina"), u("chlast"), u("icí"), u("Ímperiální"), u("zrno")}));
    EXPECT_EQ(panel.unitList()->item(3)->data(Qt::UserRole + 2).toString(), u("1-1"));
}

TEST(ListLook, MutedTextStaysReadable)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    for (const auto& [text, background] : {std::pair<QColor, QColor>{Qt::black, Qt::white},
                                           {Qt::white, QColor(0x20, 0x20, 0x20)}, {Qt::darkGray, Qt::lightGray}}) {
        const QColor muted = mutedTextColour(text, background);
        EXPECT_GE(contrastRatio(muted, background), std::min(4.5, contrastRatio(text, background)));
        EXPECT_TRUE(muted == text || contrastRatio(muted, background) < contrastRatio(text, background));
    }
}

}  // namespace
