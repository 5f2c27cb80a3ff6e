#include "output/outputlayout.h"

#include "catalogue/unitcatalogue.h"
#include "conversion/topicmodel.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

TEST(OutputLayout, RowPutsTheSymbolAtColumn30AndTheValueAt40)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/rows.txt"), 0, 9)) {
        ASSERT_GE(f.size(), 3) << test::rowName(f);
        EXPECT_EQ(rowLines(f[0], f[1], u("5")), f.mid(2)) << test::rowName(f);
    }
}

TEST(OutputLayout, BlocksReadTheOpenTopic)
{
    UnitCatalogue catalogue;
    catalogue.unit(1, 1) = {u("metr"), u("m"), 1.0, {}};
    catalogue.unit(1, 2) = {u("kilometr"), u("km"), 1000.0, {}};
    catalogue.setCount(1, 2);
    TopicModel model(catalogue, QLocale(QLocale::Czech, QLocale::CzechRepublic));
    model.open(1);
    EXPECT_EQ(outputBlock(OutputKind::CurrentValue, model, 1, {}).nothing, NothingToOutput::EmptyValue);
    model.commit(1, u("2"));

    const QStringList kinds = {u("value"), u("row"), u("preview"), u("table")};
    const QStringList nothing = {u("EmptyTable"), u("EmptyValue"), u("EmptyPreview")};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/blocks.txt"), 0, 4)) {
        ASSERT_TRUE(f.size() >= 3 && kinds.contains(f[0])) << test::rowName(f);
        const QString preview = QString::fromUtf8(test::escapedBytes(f[1]));
        const OutputBlock block = outputBlock(OutputKind(kinds.indexOf(f[0])), model, 0, preview);
        EXPECT_EQ(block.lines, f.mid(3)) << test::rowName(f);
        EXPECT_EQ(block.nothing ? nothing.value(int(*block.nothing)) : u("-"), f[2]) << test::rowName(f);
    }

    model.open(2);  // a topic without units
    for (OutputKind kind : {OutputKind::CurrentValue, OutputKind::CurrentRow, OutputKind::Preview, OutputKind::Table})
        EXPECT_EQ(outputBlock(kind, model, 0, u("náhled")).nothing, NothingToOutput::EmptyTable) << int(kind);
}

TEST(OutputLayout, PagesWrapLongLines)
{
    const QList<QStringList> pages = printedPages({u("abcdefg"), QString(), u("hi"), u("jk")}, 3, 2);
    EXPECT_EQ(pages, (QList<QStringList>{{u("abc"), u("def")}, {u("g"), QString()}, {u("hi"), u("jk")}}));
    EXPECT_EQ(printedPages({u("ab")}, 0, 0), (QList<QStringList>{{u("a")}, {u("b")}}));
}

TEST(OutputLayout, LabelKeepsItsStartAndAsMuchOfTheEndAsFits)
{
    const QString path = u("Soubor: /home/uživatel/.local/share/tolvarin/TOLVAR.ASC");
    const auto characters = [](const QString& text) { return int(text.size()); };
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/labels.txt"), 2, 5))
        EXPECT_EQ(shortenedLabel(path, f[0].toInt(), characters), f[1]) << test::rowName(f);
}

}  // namespace
