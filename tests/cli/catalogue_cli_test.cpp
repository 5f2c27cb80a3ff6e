// The catalogue from the command line: the topic list, the units of a topic
// with their levels, the information text, the unit search, and the data
// files: their default place and their errors.
#include "clirunner.h"

#include <QCoreApplication>
#include <QDir>

using namespace tolvarin::test;

namespace {

struct ListCase {
    QStringList arguments;
    const char* out;
};

class CliCatalogue : public CliDataTest {};

TEST_F(CliCatalogue, TopicsWithTheirUnitCounts)
{
    const CliResult result = run({QStringLiteral("list"), QStringLiteral("--tsv")});
    EXPECT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 26 + 2 + 1) << result.out.toStdString();  // and the empty text after the last LF
    EXPECT_EQ(lines[0], QStringLiteral("1\tDelka\tDélka\t5"));
    EXPECT_EQ(lines[1], QStringLiteral("2\tObsah\tPlošný obsah\t3"));
    EXPECT_EQ(lines[2], QStringLiteral("3\tObjem\tObjem\t0"));
    EXPECT_EQ(lines[15], QStringLiteral("16\tTeplota\tTeplota\t5"));
    EXPECT_EQ(lines[25], QStringLiteral("26\tNasobky\tNásobky a díly\t2"));
    EXPECT_EQ(lines[26], QStringLiteral("27\tUser\tInformace\t2"));  // titled in the user file
    EXPECT_EQ(lines[27], QStringLiteral("28\tUser\tUživatel 2\t1"));
}

TEST_F(CliCatalogue, UnitsOfATopicWithExactCoefficientsAndLevels)
{
    const ListCase cases[] = {
        {{"list", "Delka", "--tsv"},
         "metr\tm\t1\t1\n"
         "kilometr\tkm\t1000\t1\n"
         "palec\tin\t0.0254\t2\n"
         "loket\tlok\t0.5914\t3\n"
         "Planckova délka\tlP\t1.616255E-35\t1\n"},
        {{"list", "1", "--tsv", "--level", "1"},
         "metr\tm\t1\t1\n"
         "kilometr\tkm\t1000\t1\n"
         "Planckova délka\tlP\t1.616255E-35\t1\n"},
        {{"list", "Delka", "--tsv", "--level", "3"},
         "metr\tm\t1\t1\n"
         "kilometr\tkm\t1000\t1\n"
         "loket\tlok\t0.5914\t3\n"
         "Planckova délka\tlP\t1.616255E-35\t1\n"},
        {{"list", "--topic", "Teplota", "--csv"},
         "kelvin,K,1,1\n"
         "stupeň Celsia,°C,1,1\n"
         "stupeň Fahrenheita,°F,0.5555555555555556,1\n"
         "stupeň Rankina,°R,0.5555555555555556,1\n"
         "stupeň Réaumura,°Ré,1.25,1\n"},
        {{"list", "Uhel"},
         "radián  rad                     1  1\n"
         "stupeň  °    0.017453292519943295  1\n"},
        {{"list", "Informace", "--tsv"},  // a user topic by its title
         "bit\tb\t1\t1\n"
         "bajt\tB\t8\t1\n"},
    };
    for (const ListCase& c : cases) {
        const CliResult result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 0) << describe(c.arguments) << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << describe(c.arguments);
    }

    const CliResult czech = run({QStringLiteral("list"), QStringLiteral("Delka"), QStringLiteral("--csv")}, "cs_CZ");
    EXPECT_TRUE(czech.out.contains(QStringLiteral("palec,in,\"0,0254\",2\n"))) << czech.out.toStdString();
}

TEST_F(CliCatalogue, InformationTextOfAUnit)
{
    const ListCase cases[] = {
        {{"info", "km"}, "KILOMETR (1 km = 1 000.00 m)\nTisíc metrů.\n"},
        {{"info", "Planckova délka"}, "PLANCKOVA DÉLKA (1 lP = 1.616255E-35 m)\nNejmenší délka.\n"},
        {{"info", "°F"}, "STUPEŇ FAHRENHEITA\n"},  // no coefficient applies, and no information
        {{"info", "m", "--topic", "Nasobky"}, "MILI (1 m = 0.001 1)\n"},
        {{"info", "b"}, "BIT (1 b = 1.00 b)\nJedna dvojková číslice.\n"},
    };
    for (const ListCase& c : cases) {
        const CliResult result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 0) << describe(c.arguments) << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << describe(c.arguments);
    }
    const CliResult ambiguous = run({QStringLiteral("info"), QStringLiteral("m")});
    EXPECT_EQ(ambiguous.exitCode, 1);
    EXPECT_TRUE(ambiguous.err.contains(QStringLiteral("Jednotka „m“ je nejednoznačná"))) << ambiguous.err.toStdString();
    const CliResult unknown = run({QStringLiteral("info"), QStringLiteral("parsec")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, QStringLiteral("Jednotka „parsec“ nebyla nalezena.\n"));
}

TEST_F(CliCatalogue, SearchListsExactThenSimilarUnitsOfTheBuiltInTopics)
{
    const ListCase cases[] = {
        {{"search", "metr", "--tsv"},
         "metr\tm\tDélka\t1-1\tpřesná\n"
         "metr\tm\tDélka\t1-1\tpodobná\n"
         "kilometr\tkm\tDélka\t1-2\tpodobná\n"
         "metr čtvereční\tm²\tPlošný obsah\t2-1\tpodobná\n"},
        {{"search", "km"}, "kilometr  km  Délka  1-2  podobná\n"},
        {{"search", "Metr"}, ""},  // letter case counts
        {{"search", "bit"}, ""},   // user topics are not searched
        {{"search", ""}, ""},      // an empty search lists nothing
        {{"search", "m*"}, ""},    // pattern characters are characters
        {{"search", "[a"}, ""},
    };
    for (const ListCase& c : cases) {
        const CliResult result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 0) << describe(c.arguments) << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << describe(c.arguments);
    }
}

TEST_F(CliCatalogue, UnknownTopicOfList)
{
    const CliResult result = run({QStringLiteral("list"), QStringLiteral("Nic")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, QString());
    EXPECT_EQ(result.err, QStringLiteral("Téma „Nic“ nebylo nalezeno. Seznam témat vypíše příkaz list.\n"));
}

TEST(CliDataFiles, ShippedFilesNextToTheProgramAreTheDefault)
{
    const CliResult result = runCli({QStringLiteral("--locale"), QStringLiteral("en_US"), QStringLiteral("5"),
                                     QStringLiteral("km"), QStringLiteral("m")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("5000\n"));
    EXPECT_EQ(result.err, QString());
}

TEST(CliDataFiles, MissingOrFaultyFilesAreDataErrors)
{
    TestFolder folder;
    const QString good = folder.writeLines(QStringLiteral("Good.tvd"),
                                           {QStringLiteral("1|metr|m|1||True"), QStringLiteral("1|kilometr|km|1000|")});
    // Line 2 has a decimal comma: the coefficient is read as 1 and reported.
    const QString comma = folder.writeLines(QStringLiteral("Comma.tvd"),
                                            {QStringLiteral("1|metr|m|1||True"), QStringLiteral("1|kilometr|km|1,5|")});
    const QString user = folder.writeLines(QStringLiteral("U.tvd"), {QStringLiteral("1|bit|b|1|")});
    const QString missing = folder.path(QStringLiteral("Chybi.tvd"));

    struct DataCase {
        QString main;
        QString user;
        int exitCode;
        const char* out;
        const char* errorText;
    };
    const DataCase cases[] = {
        {good, user, 0, "1000\n", ""},
        {good, QString(), 0, "1000\n", ""},  // --user-data= : no user file
        {missing, user, 1, "", "Soubor Chybi.tvd nebyl nalezen."},
        {missing, user, 1, "", "Jiný datový soubor zadejte volbou --data.\n"},
        {good, missing, 1, "", "Jiný datový soubor zadejte volbou --user-data.\n"},
        {comma, user, 1, "1\n", "Při načítání dat byl na řádku 2"},
    };
    for (const DataCase& c : cases) {
        const QStringList arguments = {QStringLiteral("--data"),
                                       c.main,
                                       QStringLiteral("--user-data=") + c.user,
                                       QStringLiteral("--locale=en_US"),
                                       QStringLiteral("1"),
                                       QStringLiteral("km"),
                                       QStringLiteral("m")};
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << describe(arguments);
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << describe(arguments);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.errorText))) << result.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_TRUE(result.err.contains(QStringLiteral("Datový soubor: "))) << result.err.toStdString();
        }
    }
}

}  // namespace
