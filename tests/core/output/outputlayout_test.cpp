#include "output/outputlayout.h"

#include "catalogue/unitcatalogue.h"
#include "conversion/topicmodel.h"
#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

const auto blanks = [](int count) { return QString(count, u' '); };

TEST(OutputLayout, RowPutsTheSymbolAtColumn30AndTheValueAt40)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/rows.txt"), 0, 9)) {
        ASSERT_GE(f.size(), 3) << test::rowName(f);
        EXPECT_EQ(rowLines(f[0], f[1], u("5")), f.mid(2)) << test::rowName(f);
    }
}

struct BlockCase {
    OutputKind kind;
    const char* preview;
    QStringList lines;
    std::optional<NothingToOutput> nothing;
};

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

    const BlockCase cases[] = {
        {OutputKind::CurrentValue, "", {u("2000")}, {}},
        {OutputKind::Preview, " 2 km = 2000 m\r\ndruhý řádek\r\n", {u(" 2 km = 2000 m"), u("druhý řádek")}, {}},
        {OutputKind::Preview, "  ", {}, NothingToOutput::EmptyPreview},
        {OutputKind::Table,
         "",
         {u("metr") + blanks(25) + u("m") + blanks(9) + u("2000"),
          u("kilometr") + blanks(21) + u("km") + blanks(8) + u("2")},
         {}},
    };
    for (const BlockCase& c : cases) {
        const OutputBlock block = outputBlock(c.kind, model, 0, u(c.preview));
        EXPECT_EQ(block.lines, c.lines) << int(c.kind);
        EXPECT_EQ(block.nothing, c.nothing) << int(c.kind);
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
    const std::pair<int, const char*> cases[] = {
        {100, "Soubor: /home/uživatel/.local/share/tolvarin/TOLVAR.ASC"},
        {30, "Soubor: /ho…olvarin/TOLVAR.ASC"},
        {13, "Soubor: /ho…C"},
        {12, "Soubor: /ho…"},
        {4, "Soubor: /ho…"},  // too narrow: the middle stays empty
    };
    for (const auto& [width, expected] : cases)
        EXPECT_EQ(shortenedLabel(path, width, characters), u(expected)) << width;
}

}  // namespace
