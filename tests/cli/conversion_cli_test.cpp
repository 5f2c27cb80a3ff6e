// Conversions from the command line: one value into a target, the whole topic
// as a table in each display mode and table style, temperature, negative
// values, ambiguous and unknown units and unsuitable values.
#include "clirunner.h"

using namespace tolvarin::test;

namespace {

QStringList words(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* word : list) result.append(QString::fromUtf8(word));
    return result;
}

// A run that succeeds, says nothing on standard error and prints exactly this.
struct OutputCase {
    const char* locale;
    QStringList arguments;
    const char* out;
};

void expectOutputs(const CliDataTest& test, std::initializer_list<OutputCase> cases)
{
    for (const OutputCase& c : cases) {
        const CliResult result = test.run(c.arguments, c.locale);
        EXPECT_EQ(result.exitCode, 0) << describe(c.arguments) << "\n" << result.err.toStdString();
        EXPECT_EQ(result.out, QString::fromUtf8(c.out)) << describe(c.arguments) << " in " << c.locale;
        EXPECT_EQ(result.err, QString()) << describe(c.arguments);
    }
}

// A run that fails: nothing on standard output, and standard error holds the text.
struct FailureCase {
    const char* locale;
    QStringList arguments;
    int exitCode;
    const char* errorText;
};

void expectFailures(const CliDataTest& test, std::initializer_list<FailureCase> cases)
{
    for (const FailureCase& c : cases) {
        const CliResult result = test.run(c.arguments, c.locale);
        EXPECT_EQ(result.exitCode, c.exitCode) << describe(c.arguments);
        EXPECT_EQ(result.out, QString()) << describe(c.arguments);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.errorText)))
            << describe(c.arguments) << "\nstandard error:\n"
            << result.err.toStdString();
    }
}

class CliConversion : public CliDataTest {};

TEST_F(CliConversion, ValueInTargetUnitAsTheWindowShowsIt)
{
    expectOutputs(*this, {
                             {"en_US", words({"5", "km", "m"}), "5000\n"},
                             {"cs_CZ", words({"5,5", "km", "m"}), "5500\n"},
                             {"en_US", words({"1", "in", "m"}), "0.0254\n"},
                             {"en_US", words({"1", "m", "in"}), "39.37008\n"},  // single precision
                             {"en_US", words({"1", "m", "in", "--format", "D"}), "39.3700787401575\n"},
                             {"cs_CZ", words({"1", "m", "in", "--format", "S"}), "3,94E+01\n"},
                             {"cs_CZ", words({"1", "m", "in", "--fix", "3"}), "39,370\n"},
                             {"en_US", words({"1", "m", "in", "--format", "F"}), "39.37\n"},
                             {"en_US", words({"1", "kilometr", "metr"}), "1000\n"},  // by name
                             {"en_US", words({"180", "°", "rad"}), "3.141593\n"},
                             {"en_US", words({"1", "B", "b"}), "8\n"},  // a user topic
                             {"en_US", words({"--format", "D", "2", "km", "m"}), "2000\n"},
                         });
}

TEST_F(CliConversion, WholeTopicAsATableInEveryFormatAndStyle)
{
    expectOutputs(*this, {
                             {"cs_CZ", words({"1,25", "ha"}),
                              "metr čtvereční  m²  12500\n"
                              "ar              a     125\n"
                              "hektar          ha   1,25\n"},
                             {"cs_CZ", words({"1,25", "ha", "--format", "D"}),
                              "metr čtvereční  m²  12500\n"
                              "ar              a     125\n"
                              "hektar          ha   1,25\n"},
                             {"cs_CZ", words({"1,25", "ha", "--format", "S"}),
                              "metr čtvereční  m²  1,25E+04\n"
                              "ar              a   1,25E+02\n"
                              "hektar          ha  1,25E+00\n"},
                             {"cs_CZ", words({"1,25", "ha", "--format", "f"}),
                              "metr čtvereční  m²  12500,00\n"
                              "ar              a     125,00\n"
                              "hektar          ha      1,25\n"},
                             {"cs_CZ", words({"1,25", "ha", "--fix", "0"}),
                              "metr čtvereční  m²  12500\n"
                              "ar              a     125\n"
                              "hektar          ha      1\n"},
                             {"cs_CZ", words({"1,25", "ha", "--csv"}),
                              "metr čtvereční,m²,12500\n"
                              "ar,a,125\n"
                              "hektar,ha,\"1,25\"\n"},
                             {"en_US", words({"1.25", "ha", "--csv"}),
                              "metr čtvereční,m²,12500\n"
                              "ar,a,125\n"
                              "hektar,ha,1.25\n"},
                             {"cs_CZ", words({"1,25", "ha", "--tsv"}),
                              "metr čtvereční\tm²\t12500\n"
                              "ar\ta\t125\n"
                              "hektar\tha\t1,25\n"},
                         });
}

TEST_F(CliConversion, TemperatureByItsFormulas)
{
    expectOutputs(*this, {
                             {"en_US", words({"0", "°C"}),
                              "kelvin              K    273.15\n"
                              "stupeň Celsia       °C        0\n"
                              "stupeň Fahrenheita  °F       32\n"
                              "stupeň Rankina      °R   491.67\n"
                              "stupeň Réaumura     °Ré       0\n"},
                             {"en_US", words({"100", "°C", "°F"}), "212\n"},
                             {"en_US", words({"-40", "°C", "°F"}), "-40\n"},  // negative temperatures stay
                             {"cs_CZ", words({"80", "°Ré", "°C"}), "100\n"},
                             {"cs_CZ", words({"0", "°C", "K", "--format", "S"}), "2,73E+02\n"},
                         });
    expectFailures(*this, {
                              {"en_US", words({"-300", "°C", "K"}), 1, "Teplota pod 0 K teoreticky neexistuje."},
                              {"en_US", words({"-273.15", "°C"}), 1, "Teplota pod 0 K teoreticky neexistuje."},
                          });
}

TEST_F(CliConversion, NegativeValuesAreTurnedPositiveWithTheNotice)
{
    for (const QStringList& arguments : {words({"-5", "km", "m"}), words({"--", "-5", "km", "m"})}) {
        const CliResult result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << describe(arguments);
        EXPECT_EQ(result.out, QStringLiteral("5000\n")) << describe(arguments);
        EXPECT_EQ(result.err,
                  QStringLiteral("Zadáno záporné číslo.\n\nZáporné hodnoty se nepoužívají. Budou převedeny na kladná "
                                 "čísla.\n\nPoznámka: Tato zpráva už nebude zobrazena.\n"))
            << describe(arguments);
    }
}

TEST_F(CliConversion, AmbiguousSymbolListsTheCandidatesAndTopicSettlesIt)
{
    const CliResult ambiguous = run(words({"5", "m"}));
    EXPECT_EQ(ambiguous.exitCode, 1);
    EXPECT_EQ(ambiguous.out, QString());
    EXPECT_EQ(ambiguous.err, QStringLiteral("Jednotka „m“ je nejednoznačná, může to být:\n"
                                            "  metr [m] – Délka (téma 1, Delka)\n"
                                            "  mili [m] – Násobky a díly (téma 26, Nasobky)\n"
                                            "Upřesněte téma volbou --topic, nebo zadejte název jednotky.\n"));

    const char* const length =
        "metr             m               5\n"
        "kilometr         km          0,005\n"
        "palec            in       196,8504\n"
        "loket            lok      8,454515\n"
        "Planckova délka  lP   3,093571E+35\n";
    expectOutputs(*this, {
                             {"cs_CZ", words({"5", "m", "--topic", "Delka"}), length},
                             {"cs_CZ", words({"5", "m", "--topic", "1"}), length},
                             {"cs_CZ", words({"5", "m", "--topic", "délka"}), length},  // a title, any case
                             {"cs_CZ", words({"--topic=nasobky", "5", "m"}),
                              "jedna  1  0,005\n"
                              "mili   m      5\n"},
                             {"en_US", words({"5", "m", "km"}), "0.005\n"},  // only lengths have both
                             {"en_US", words({"5", "m", "1"}), "0.005\n"},   // only the prefixes have both
                         });
}

TEST_F(CliConversion, UnknownUnitsTopicsAndUnsuitableValues)
{
    expectFailures(*this,
                   {
                       {"en_US", words({"5", "parsec", "m"}), 1, "Jednotka „parsec“ nebyla nalezena."},
                       {"en_US", words({"5", "km", "parsec"}), 1, "Jednotka „parsec“ nebyla nalezena."},
                       {"en_US", words({"5", "M"}), 1, "Jednotka „M“ nebyla nalezena."},  // letter case counts
                       {"en_US", words({"5", "km", "K"}), 1, "Jednotky „km“ a „K“ nepatří do stejného tématu."},
                       {"en_US", words({"5", "km", "--topic", "Teplota"}), 1, "Jednotka „km“ nebyla nalezena."},
                       {"en_US", words({"5", "km", "--topic", "Xyz"}), 1, "Téma „Xyz“ nebylo nalezeno."},
                       {"en_US", words({"5", "km", "--topic", "99"}), 1, "Téma „99“ nebylo nalezeno."},
                       {"en_US", words({"5", "b", "--topic", "User"}), 1, "Téma „User“ je nejednoznačné"},
                       {"en_US", words({"abc", "km", "m"}), 1, "Chyba 13: Neshoda typů\n\nNevhodná hodnota 'abc'.\n"},
                       {"cs_CZ", words({"5.5", "km", "m"}), 1, "Nevhodná hodnota '5.5'."},
                       {"en_US", words({"5,5", "km", "m"}), 1, "Nevhodná hodnota '5,5'."},
                       {"en_US", words({"", "km", "m"}), 1, "Nevhodná hodnota ''."},
                       {"en_US", words({"abc", "°C", "K"}), 1, "Nevhodná hodnota 'abc'."},
                       {"en_US", words({"1E308", "km", "m", "--format", "D"}), 1, "Chyba 6: Přetečení"},
                   });
}

TEST_F(CliConversion, ValuesBeyondTheSingleRangeAreShownInSinglePrecision)
{
    // 30 km in Planck lengths lies beyond the single range.
    expectOutputs(*this, {
                             {"en_US", words({"30", "km", "lP"}), "1.856143E+39\n"},
                             {"en_US", words({"30", "km", "lP", "--format", "D"}), "1.85614274975174E+39\n"},
                         });
}

TEST_F(CliConversion, LevelsDecideWhichMarkedUnitsExist)
{
    expectOutputs(*this, {
                             {"en_US", words({"1", "in", "m", "--level", "2"}), "0.0254\n"},
                             {"en_US", words({"1", "lok", "m", "--level", "3"}), "0.5914\n"},
                         });
    expectFailures(*this, {
                              {"en_US", words({"1", "in", "m", "--level", "1"}), 1, "Jednotka „in“ nebyla nalezena."},
                              {"en_US", words({"1", "in", "m", "--level", "3"}), 1, "Jednotka „in“ nebyla nalezena."},
                          });
}

}  // namespace
