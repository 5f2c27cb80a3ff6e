// tolvarin-cli as a whole: each command once on the small data files of
// data/, with its output and exit status, the usage errors, and the data files.
#include "clirunner.h"

#include <QFile>

#include <sys/stat.h>

using namespace tolvarin::test;

namespace {

struct CommandCase {
    const char* locale;
    std::initializer_list<const char*> arguments;
    int exitCode;
    const char* out;  // standard output, exactly
    const char* err;  // a text that standard error holds; "": standard error is empty
};

const CommandCase kCommands[] = {
    // Conversions: one value, the whole topic as a table, the display modes.
    {"en_US", {"5", "km", "m"}, 0, "5000\n", ""},
    {"en_US", {"1", "m", "in", "--format", "D"}, 0, "39.3700787401575\n", ""},
    {"cs_CZ", {"1", "m", "in", "--fix", "3"}, 0, "39,370\n", ""},  // --fix alone chooses the fixed mode
    {"cs_CZ", {"1,25", "ha", "--csv"}, 0, "metr čtvereční,m²,12500\nar,a,125\nhektar,ha,\"1,25\"\n", ""},
    {"cs_CZ", {"--topic=nasobky", "5", "m"}, 0, "jedna  1  0,005\nmili   m      5\n", ""},
    {"en_US", {"-5", "km", "m"}, 0, "5000\n", "Zadáno záporné číslo.\n\nZáporné hodnoty se nepoužívají."},
    {"en_US",
     {"5", "m"},
     1,
     "",
     "Jednotka „m“ je nejednoznačná, může to být:\n  metr [m] – Délka (téma 1, Delka)\n"
     "  mili [m] – Násobky a díly (téma 26, Nasobky)\nUpřesněte téma volbou --topic, nebo zadejte název jednotky.\n"},
    {"en_US", {"5", "parsec", "m"}, 1, "", "Jednotka „parsec“ nebyla nalezena.\n"},
    {"en_US", {"5", "km", "K"}, 1, "", "Jednotky „km“ a „K“ nepatří do stejného tématu.\n"},
    {"en_US", {"5", "b", "--topic", "User"}, 1, "", "Téma „User“ je nejednoznačné"},
    {"en_US", {"abc", "km", "m"}, 1, "", "Chyba 13: Neshoda typů\n\nNevhodná hodnota 'abc'.\n"},
    {"en_US", {"-300", "°C", "K"}, 1, "", "Teplota pod 0 K teoreticky neexistuje."},
    {"en_US", {"1", "in", "m", "--level", "1"}, 1, "", "Jednotka „in“ nebyla nalezena."},
    // 30 km in Planck lengths lies beyond the single range: shown all the same.
    {"en_US", {"30", "km", "lP"}, 0, "1.856143E+39\n", ""},
    {"en_US", {"30", "km", "m"}, 0, "30000\n", ""},
    // The catalogue: a topic's units with exact coefficients and levels, a
    // unit's information, the search, an unknown topic.
    {"en_US",
     {"list", "Delka", "--tsv"},
     0,
     "metr\tm\t1\t1\nkilometr\tkm\t1000\t1\npalec\tin\t0.0254\t2\nloket\tlok\t0.5914\t3\n"
     "Planckova délka\tlP\t1.616255E-35\t1\n",
     ""},
    {"en_US", {"list", "Informace"}, 0, "bit   b  1  1\nbajt  B  8  1\n", ""},
    {"en_US", {"info", "km"}, 0, "KILOMETR (1 km = 1 000.00 m)\nTisíc metrů.\n", ""},
    {"en_US",
     {"search", "metr", "--tsv"},
     0,
     "metr\tm\tDélka\t1-1\tpřesná\nmetr\tm\tDélka\t1-1\tpodobná\nkilometr\tkm\tDélka\t1-2\tpodobná\n"
     "metr čtvereční\tm²\tPlošný obsah\t2-1\tpodobná\n",
     ""},
    {"en_US", {"list", "Nic"}, 1, "", "Téma „Nic“ nebylo nalezeno. Seznam témat vypíše příkaz list.\n"},
    // Representations: a refusal is an error, except a whole number's fraction.
    {"en_US", {"as", "hex", "255"}, 0, "255 dekadicky = FF hexadecimálně.\n", ""},
    {"cs_CZ", {"--base", "16", "--places", "4", "as", "based", "10,5"}, 0, "10,5 dekadicky = (A,8)16\n", ""},
    {"cs_CZ", {"as", "fraction", "0,3333", "--sensitivity", "2"}, 0, "33/100 chyba -0,0033\n", ""},
    {"cs_CZ", {"as", "fraction", "7"}, 0, "Celé číslo\n", ""},
    {"en_US", {"as", "roman", "0.5"}, 1, "", "0 = \n"},
    {"en_US", {"as", "bin", "40000"}, 1, "", "Vstupní hodnota 40000 je mimo povolený rozsah.\n"},
    {"en_US", {"as", "hex", "abc"}, 1, "", "Chyba 13: Neshoda typů\n\nNevhodná hodnota 'abc'.\n"},
};

TEST(Cli, EachCommandWithItsOutputAndExitStatus)
{
    for (const CommandCase& c : kCommands) {
        const QStringList arguments = words(c.arguments);
        const CliResult result = runWithTestData(arguments, c.locale);
        EXPECT_EQ(result.exitCode, c.exitCode) << describe(arguments) << "\n" << result.err.toStdString();
        EXPECT_EQ(result.out, u(c.out)) << describe(arguments);
        EXPECT_TRUE(*c.err ? result.err.contains(u(c.err)) : result.err.isEmpty()) << describe(arguments) << "\n"
                                                                                   << result.err.toStdString();
    }
}

TEST(Cli, TopicsWithTheirUnitCounts)
{
    const CliResult result = runWithTestData(words({"list", "--tsv"}));
    EXPECT_EQ(result.exitCode, 0);
    const QStringList lines = result.out.split(u'\n');
    ASSERT_EQ(lines.size(), 26 + 2 + 1) << result.out.toStdString();  // and the empty text after the last LF
    EXPECT_EQ(lines[0] + u' ' + lines[15] + u' ' + lines[25],
              u("1\tDelka\tDélka\t5 16\tTeplota\tTeplota\t5 26\tNasobky\tNásobky a díly\t2"));
    // A user topic is titled by the user file, or "Uživatel n".
    EXPECT_EQ(lines[26] + u' ' + lines[27], u("27\tUser\tInformace\t2 28\tUser\tUživatel 2\t1"));
}

struct UsageCase {
    std::initializer_list<const char*> arguments;
    const char* message;
};

TEST(Cli, UsageErrorsExitWithTwoAndPointToTheHelp)
{
    const UsageCase cases[] = {
        {{}, "Chybí hodnota a jednotka."},
        {{"5"}, "Chybí jednotka."},
        {{"1", "km", "m", "x"}, "Příliš mnoho argumentů."},
        {{"-x", "5", "km"}, "Neznámá volba: -x"},
        {{"--format", "JD", "5", "km"}, "Neplatný formát: „JD“ (povoleno J, D, S nebo F)."},
        {{"--fix=two", "5", "km"}, "Neplatná hodnota volby --fix: „two“ (povoleno 0 až 9)."},
        {{"--fix=%1%3", "5", "km"}, "Neplatná hodnota volby --fix: „%1%3“ (povoleno 0 až 9)."},  // no marker
        {{"5", "km", "--fix"}, "Volba --fix vyžaduje hodnotu."},
        {{"--csv", "--tsv", "5", "km"}, "Volby --csv a --tsv nelze použít zároveň."},
        {{"--csv=1", "5", "km"}, "Volba --csv nemá žádnou hodnotu."},
        {{"--locale", "xx_nonsense", "5", "km"}, "Neznámé národní prostředí: „xx_nonsense“."},
        {{"--base", "33", "as", "base", "5"}, "Neplatná hodnota volby --base: „33“ (povoleno 2 až 32)."},
        {{"as", "hex"}, "Příkazu as chybí argument."},
        {{"as", "octal", "5"}, "Neznámé zobrazení: „octal“ (povoleno bin, oct, hex, base, based, fraction, roman)."},
        {{"list", "a", "b"}, "Příkaz list má příliš mnoho argumentů."},
    };
    for (const UsageCase& c : cases) {
        const QStringList arguments = words(c.arguments);
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << describe(arguments);
        EXPECT_EQ(result.out, QString()) << describe(arguments);
        EXPECT_EQ(result.err, u("tolvarin-cli: ") + u(c.message) + u("\nNápovědu vypíše tolvarin-cli --help.\n"))
            << describe(arguments);
    }
}

TEST(Cli, HelpWinsOverErrorsAndVersion)
{
    const CliResult help = runCli(words({"--bogus", "-h"}));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(u("Převod fyzikálních jednotek z příkazové řádky.\n"))) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(u("Návratový kód: 0 úspěch, 1 chyba převodu nebo dat, 2 chybné použití.\n")));
    const CliResult version = runCli(words({"--version"}));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, u("tolvarin-cli (Tolvarin) 1.0.0\n"));
}

TEST(Cli, DataFiles)
{
    // The shipped files next to the program are the default; the
    // representations need no data file at all.
    EXPECT_EQ(runCli(words({"--locale", "en_US", "5", "km", "m"})).out, u("5000\n"));
    EXPECT_EQ(runCli(words({"--data", "/nonexistent/Tolvar.tvd", "as", "roman", "4"})).out, u("4 = IV\n"));

    TestFolder folder;
    const QString good = folder.writeLines(u("Good.tvd"), {u("1|metr|m|1||True"), u("1|kilometr|km|1000|")});
    const QString comma = folder.writeLines(u("Comma.tvd"), {u("1|metr|m|1||True"), u("1|kilometr|km|1,5|")});
    const QString missing = folder.path(u("Chybi.tvd"));
    const QString fifo = folder.path(u("Fronta.tvd"));  // opening it would wait for a writer forever
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile huge(folder.path(u("Obrovsky.tvd")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(17 << 20));  // sparse: nothing is written
    const struct {
        QString main;
        QString user;
        int exitCode;
        const char* out;
        const char* err;
    } cases[] = {
        {good, QString(), 0, "1000\n", ""},  // --user-data= : no user file
        {missing, QString(), 1, "", "Soubor Chybi.tvd nebyl nalezen."},
        {missing, QString(), 1, "", "Datový soubor: "},
        {missing, QString(), 1, "", "Jiný datový soubor zadejte volbou --data.\n"},
        {good, missing, 1, "", "Jiný datový soubor zadejte volbou --user-data.\n"},
        {fifo, QString(), 1, "", "Soubor Fronta.tvd nebyl nalezen."},
        {u("/dev/zero"), QString(), 1, "", "Jiný datový soubor zadejte volbou --data.\n"},
        {good, huge.fileName(), 1, "", "Soubor Obrovsky.tvd je větší než 16 MB, takže to nemůže být datový soubor."},
        // A decimal comma: the coefficient is read as 1 and reported, and the run fails.
        {comma, QString(), 1, "1\n", "Při načítání dat byl na řádku 2"},
    };
    for (const auto& c : cases) {
        const QStringList arguments = {u("--data"), c.main, u("--user-data=") + c.user, u("--locale=en_US"), u("1"),
                                       u("km"),     u("m")};
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << describe(arguments);
        EXPECT_EQ(result.out, u(c.out)) << describe(arguments);
        EXPECT_TRUE(result.err.contains(u(c.err))) << result.err.toStdString();
    }
}

}  // namespace
