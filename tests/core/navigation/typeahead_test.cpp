#include "navigation/typeahead.h"

#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

const QStringList kUnits = {QStringLiteral("metr"),           QStringLiteral("kilometr"), QStringLiteral("centimetr"),
                            QStringLiteral("Kabelová délka"), QStringLiteral("čárka"),    QStringLiteral("míle")};

struct Case {
    char16_t typed;
    int currentRow;
    std::optional<int> expected;
};

TEST(TypeAhead, FindsTheNextUnitByInitialInEitherCase)
{
    const Case cases[] = {
        {u'k', 0, 1}, {u'K', 1, 3}, {u'k', 3, 1},  // wraps to the top
        {u'm', 0, 5}, {u'm', 5, 0}, {u'Č', 0, 4}, {u'5', 0, std::nullopt}, {u'x', 2, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typeAheadRow(QChar(c.typed), kUnits, c.currentRow), c.expected)
            << char(c.typed) << " from row " << c.currentRow;
    EXPECT_EQ(typeAheadRow(QChar(u'a'), QStringList(), 0), std::nullopt);  // an empty grid
}

}  // namespace
