// "as KIND VALUE": the texts of the "Aktuální jako" menu, with its own base,
// places and sensitivity, and the refusals that scripts must tell from results.
#include "clirunner.h"

using namespace tolvarin::test;

namespace {

struct RepresentationCase {
    const char* locale;
    std::initializer_list<const char*> arguments;
    int exitCode;
    const char* out;
    const char* err;
};

QStringList argumentsOf(const RepresentationCase& c)
{
    QStringList arguments = {QStringLiteral("--locale"), QString::fromLatin1(c.locale)};
    for (const char* word : c.arguments) arguments.append(QString::fromUtf8(word));
    return arguments;
}

const RepresentationCase kRepresentations[] = {
    {"en_US", {"as", "bin", "10"}, 0, "10 dekadicky = 1010 binárně.\n", ""},
    {"en_US", {"as", "oct", "8"}, 0, "8 dekadicky = 10 oktálně.\n", ""},
    {"en_US", {"as", "hex", "255"}, 0, "255 dekadicky = FF hexadecimálně.\n", ""},
    {"cs_CZ", {"as", "hex", "2,7"}, 0, "2 dekadicky = 2 hexadecimálně.\n", ""},
    {"en_US", {"as", "hex", "40000"}, 0, "40000 dekadicky = 9C40 hexadecimálně.\n", ""},
    {"en_US", {"as", "base", "10"}, 0, "10 dekadicky = (A)12\n", ""},
    {"en_US", {"as", "base", "255", "--base", "16"}, 0, "255 dekadicky = (FF)16\n", ""},
    {"en_US", {"--base=32", "as", "base", "31"}, 0, "31 dekadicky = (V)32\n", ""},
    {"cs_CZ", {"as", "based", "10,5"}, 0, "10,5 dekadicky = (A,6)12\n", ""},
    {"cs_CZ", {"as", "based", "10", "--places", "3"}, 0, "10 dekadicky = (A,000)12\n", ""},
    {"en_US", {"as", "based", "0.1", "--base", "2", "--places", "8"}, 0, "0.1 dekadicky = (0,00011001)2\n", ""},
    {"cs_CZ", {"as", "fraction", "2,5"}, 0, "2 + 1/2 chyba 0\n", ""},
    {"cs_CZ", {"as", "fraction", "-0,75"}, 0, "3/4 chyba 0\n", ""},
    {"cs_CZ", {"as", "fraction", "0,3333"}, 0, "333/1000 chyba -0,0003\n", ""},
    {"cs_CZ", {"as", "fraction", "0,3333", "--sensitivity", "2"}, 0, "33/100 chyba -0,0033\n", ""},
    {"en_US", {"as", "fraction", "0.3333"}, 0, "333/1000 chyba -0.0003\n", ""},
    {"cs_CZ", {"as", "fraction", "7"}, 0, "Celé číslo\n", ""},
    {"cs_CZ", {"as", "roman", "12,7"}, 0, "12 = XII\n", ""},
    {"en_US", {"as", "roman", "1999"}, 0, "1999 = MCMXCIX\n", ""},
    {"en_US", {"as", "roman", "10000"}, 0, "10000 = MMMMMMMMMM\n", ""},
    // Refusals: the window shows them in the information line; here they
    // are errors, so that a script never takes them for a numeral.
    {"en_US", {"as", "bin", "40000"}, 1, "", "Vstupní hodnota 40000 je mimo povolený rozsah.\n"},
    {"en_US", {"as", "hex", "1E10"}, 1, "", "Vstupní hodnota 10000000000 je mimo povolený rozsah.\n"},
    {"cs_CZ", {"as", "fraction", "1,0004"}, 1, "", "Při nastavené citlivosti ~0,001 nelze převést na zlomek.\n"},
    {"cs_CZ", {"as", "fraction", "3000000"}, 0, "Celé číslo\n", ""},
    {"cs_CZ", {"as", "fraction", "3000000,5"}, 1, "", "Vstupní hodnota 3000000,5 je mimo povolený rozsah.\n"},
    {"en_US", {"as", "roman", "--", "-3"}, 1, "", "-3 = Číslo musí být větší než 0.\n"},
    {"en_US", {"as", "roman", "0.5"}, 1, "", "0 = \n"},
    {"en_US", {"as", "roman", "12000"}, 1, "", "12000 = Číslo musí být maximálně rovno 10 000.\n"},
    {"en_US", {"as", "hex", "abc"}, 1, "", "Chyba 13: Neshoda typů\n\nNevhodná hodnota 'abc'.\n"},
    {"cs_CZ", {"as", "roman", "1.5"}, 1, "", "Nevhodná hodnota '1.5'.\n"},
    {"en_US", {"as", "bin", ""}, 1, "", "Nevhodná hodnota ''.\n"},
};

TEST(CliRepresentation, TextsAndRefusals)
{
    for (const RepresentationCase& c : kRepresentations) {
        const QStringList arguments = argumentsOf(c);
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << describe(arguments);
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << describe(arguments);
        if (c.exitCode == 0) {
            EXPECT_EQ(result.err, QString()) << describe(arguments);
        } else {
            EXPECT_TRUE(result.err.endsWith(QString::fromUtf8(c.err))) << describe(arguments) << "\n"
                                                                       << result.err.toStdString();
        }
    }
}

TEST(CliRepresentation, NeedsNoDataFile)
{
    const CliResult result = runCli({QStringLiteral("--data"), QStringLiteral("/nonexistent/Tolvar.tvd"),
                                     QStringLiteral("as"), QStringLiteral("roman"), QStringLiteral("4")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, QStringLiteral("4 = IV\n"));
}

}  // namespace
