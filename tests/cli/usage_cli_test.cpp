// The command line itself: usage errors and their exit status, the help and
// the version, options anywhere among the words.
#include "clirunner.h"

using namespace tolvarin::test;

namespace {

struct UsageCase {
    std::initializer_list<const char*> arguments;
    const char* message;
};

const UsageCase kUsageErrors[] = {
    {{}, "Chybí hodnota a jednotka."},
    {{"5"}, "Chybí jednotka."},
    {{"1", "km", "m", "x"}, "Příliš mnoho argumentů."},
    {{"--bogus", "5", "km"}, "Neznámá volba: --bogus"},
    {{"-x", "5", "km"}, "Neznámá volba: -x"},
    {{"--format", "X", "5", "km"}, "Neplatný formát: „X“ (povoleno J, D, S nebo F)."},
    {{"--format", "JD", "5", "km"}, "Neplatný formát: „JD“"},
    {{"--fix", "10", "5", "km"}, "Neplatná hodnota volby --fix: „10“ (povoleno 0 až 9)."},
    {{"--fix", "-1", "5", "km"}, "Neplatná hodnota volby --fix: „-1“"},
    {{"--fix=two", "5", "km"}, "Neplatná hodnota volby --fix: „two“"},
    {{"5", "km", "--fix"}, "Volba --fix vyžaduje hodnotu."},
    {{"--level", "4", "5", "km"}, "Neplatná hodnota volby --level: „4“ (povoleno 0 až 3)."},
    {{"--csv", "--tsv", "5", "km"}, "Volby --csv a --tsv nelze použít zároveň."},
    {{"--csv=1", "5", "km"}, "Volba --csv nemá žádnou hodnotu."},
    {{"--locale", "xx_nonsense", "5", "km"}, "Neznámé národní prostředí: „xx_nonsense“."},
    {{"--base", "1", "as", "base", "5"}, "Neplatná hodnota volby --base: „1“ (povoleno 2 až 32)."},
    {{"--base", "33", "as", "base", "5"}, "Neplatná hodnota volby --base: „33“"},
    {{"--places", "17", "as", "based", "5"}, "Neplatná hodnota volby --places: „17“ (povoleno 1 až 16)."},
    {{"--sensitivity", "0", "as", "fraction", "5"}, "Neplatná hodnota volby --sensitivity: „0“ (povoleno 1 až 9)."},
    {{"as"}, "Příkazu as chybí argument."},
    {{"as", "hex"}, "Příkazu as chybí argument."},
    {{"as", "octal", "5"}, "Neznámé zobrazení: „octal“"},
    {{"as", "hex", "5", "6"}, "Příkaz as má příliš mnoho argumentů."},
    {{"list", "a", "b"}, "Příkaz list má příliš mnoho argumentů."},
    {{"info"}, "Příkazu info chybí argument."},
    {{"search"}, "Příkazu search chybí argument."},
};

TEST(CliUsage, ErrorsExitWithTwoAndPointToTheHelp)
{
    for (const UsageCase& c : kUsageErrors) {
        QStringList arguments;
        for (const char* word : c.arguments) arguments.append(QString::fromUtf8(word));
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << describe(arguments);
        EXPECT_EQ(result.out, QString()) << describe(arguments);
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("tolvarin-cli: ") + QString::fromUtf8(c.message)))
            << describe(arguments) << "\n"
            << result.err.toStdString();
        EXPECT_TRUE(result.err.endsWith(QStringLiteral("Nápovědu vypíše tolvarin-cli --help.\n")))
            << describe(arguments);
    }
}

TEST(CliUsage, HelpNamesEveryCommandAndOptionAndWinsOverErrors)
{
    for (const QStringList& arguments : {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("-h")},
                                         QStringList{QStringLiteral("--bogus"), QStringLiteral("--help")}}) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 0) << describe(arguments);
        EXPECT_EQ(result.err, QString());
        for (const char* word : {"Použití:",
                                 "HODNOTA JEDNOTKA [CÍL]",
                                 "list [TÉMA]",
                                 "info JEDNOTKA",
                                 "search TEXT",
                                 "as DRUH HODNOTA",
                                 "--format J|D|S|F",
                                 "--fix N",
                                 "--topic",
                                 "--level",
                                 "--data",
                                 "--user-data",
                                 "--locale",
                                 "--csv",
                                 "--tsv",
                                 "--base",
                                 "--places",
                                 "--sensitivity",
                                 "--version",
                                 "Návratový kód: 0 úspěch, 1 chyba převodu nebo dat, 2 chybné použití."})
            EXPECT_TRUE(result.out.contains(QString::fromUtf8(word))) << word;
    }
}

TEST(CliUsage, Version)
{
    const CliResult result = runCli({QStringLiteral("--version")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, QStringLiteral("tolvarin-cli (Tolvarin) " TOLVARIN_VERSION "\n"));
}

}  // namespace
