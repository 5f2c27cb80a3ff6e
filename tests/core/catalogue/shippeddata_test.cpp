// The data files that ship with the program: they load cleanly with the real
// readers at every level and in both locales, hold every topic in enough
// breadth, keep the rows the conversion engine and the prefix view rely on,
// and give the well-known units their published values.

#include "catalogue/datafileconfig.h"
#include "catalogue/mainfilereader.h"
#include "catalogue/topictable.h"
#include "catalogue/unitcatalogue.h"
#include "catalogue/userfilereader.h"
#include "common/recordingmessagesink.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QStringList>

#include <cmath>
#include <memory>

using namespace tolvarin;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale* const kLocales[] = {&kCzech, &kEnglish};
const UnitLevel kLevels[] = {UnitLevel::All, UnitLevel::Level1, UnitLevel::Level2, UnitLevel::Level3};

const double kPi = 3.14159265358979323846;

QString shippedPath(const char* name)
{
    return QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/") + QLatin1String(name);
}

const char* levelName(UnitLevel level)
{
    switch (level) {
        case UnitLevel::All: return "Vše";
        case UnitLevel::Level1: return "Úroveň 1";
        case UnitLevel::Level2: return "Úroveň 2";
        case UnitLevel::Level3: return "Úroveň 3";
    }
    return "?";
}

// Both shipped files read into a fresh catalogue.
struct ShippedLoad {
    std::unique_ptr<UnitCatalogue> catalogue = std::make_unique<UnitCatalogue>();
    RecordingMessageSink messages;
    bool mainRead = false;
    bool userRead = false;

    QString messageTexts() const
    {
        QStringList texts;
        for (const auto& m : messages.messages) texts << m.title + QStringLiteral(": ") + m.text;
        return texts.join(QStringLiteral("\n---\n"));
    }
    int total() const
    {
        int sum = 0;
        for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) sum += catalogue->count(slot);
        return sum;
    }
    QStringList names(int slot) const
    {
        QStringList list;
        for (int row = 1; row <= catalogue->count(slot); ++row) list << catalogue->unit(slot, row).name;
        return list;
    }
    const Unit* find(int slot, const char* name) const
    {
        const QString wanted = QString::fromUtf8(name);
        for (int row = 1; row <= catalogue->count(slot); ++row)
            if (catalogue->unit(slot, row).name == wanted) return &catalogue->unit(slot, row);
        return nullptr;
    }
};

std::unique_ptr<ShippedLoad> loadShipped(UnitLevel level, const QLocale& locale)
{
    auto load = std::make_unique<ShippedLoad>();
    DataFileConfig config;
    config.mainPath = shippedPath("Tolvar.tvd");
    config.userPath = shippedPath("User.tvd");
    config.level = level;
    config.locale = locale;
    load->mainRead = Texty(*load->catalogue, config, load->messages);
    load->userRead = TextyUser(*load->catalogue, config, load->messages);
    return load;
}

QSet<QString> nameSet(const ShippedLoad& load, int slot)
{
    const QStringList names = load.names(slot);
    return QSet<QString>(names.begin(), names.end());
}

::testing::AssertionResult relativelyClose(double actual, double expected, double tolerance)
{
    if (!std::isfinite(actual)) return ::testing::AssertionFailure() << "value " << actual << " is not finite";
    const double error = std::fabs(actual - expected) / std::fabs(expected);
    if (error <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << actual << ", expected " << expected << " (relative error "
                                         << error << ")";
}

TEST(ShippedData, LoadsWithoutAnyMessageAtEveryLevelAndLocale)
{
    for (const QLocale* locale : kLocales) {
        for (UnitLevel level : kLevels) {
            const auto load = loadShipped(level, *locale);
            const std::string where = std::string(levelName(level)) + " " + locale->name().toStdString();
            EXPECT_TRUE(load->mainRead) << where;
            EXPECT_TRUE(load->userRead) << where;
            EXPECT_TRUE(load->messages.messages.isEmpty()) << where << "\n" << load->messageTexts().toStdString();
            for (int slot = 1; slot <= kBuiltinTopicCount; ++slot)
                EXPECT_GE(load->catalogue->count(slot), 1) << where << " topic " << slot;
        }
    }
}

TEST(ShippedData, CoefficientsDoNotDependOnTheLocale)
{
    const auto czech = loadShipped(UnitLevel::All, kCzech);
    const auto english = loadShipped(UnitLevel::All, kEnglish);
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        ASSERT_EQ(czech->catalogue->count(slot), english->catalogue->count(slot)) << "topic " << slot;
        for (int row = 1; row <= czech->catalogue->count(slot); ++row)
            EXPECT_EQ(czech->catalogue->unit(slot, row).coefficient, english->catalogue->unit(slot, row).coefficient)
                << czech->catalogue->unit(slot, row).name.toStdString();
    }
}

// "Vše" shows exactly the units of level 1 plus what levels 2 and 3 add to it,
// and levels 2 and 3 add disjoint sets.
TEST(ShippedData, AllLevelIsTheSumOfWhatTheThreeLevelsAdd)
{
    const auto all = loadShipped(UnitLevel::All, kCzech);
    const auto level1 = loadShipped(UnitLevel::Level1, kCzech);
    const auto level2 = loadShipped(UnitLevel::Level2, kCzech);
    const auto level3 = loadShipped(UnitLevel::Level3, kCzech);
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        const QSet<QString> everyday = nameSet(*level1, slot);
        QSet<QString> foreign = nameSet(*level2, slot);
        QSet<QString> historical = nameSet(*level3, slot);
        EXPECT_TRUE(foreign.contains(everyday)) << "topic " << slot;
        EXPECT_TRUE(historical.contains(everyday)) << "topic " << slot;
        foreign.subtract(everyday);
        historical.subtract(everyday);
        EXPECT_FALSE(foreign.intersects(historical)) << "topic " << slot;
        EXPECT_EQ(nameSet(*all, slot), everyday + foreign + historical) << "topic " << slot;
        EXPECT_EQ(all->catalogue->count(slot),
                  level1->catalogue->count(slot) + int(foreign.size()) + int(historical.size()))
            << "topic " << slot;
    }
    EXPECT_GE(all->total(), 1000);
    EXPECT_LT(level1->total(), level2->total());
    EXPECT_LT(level1->total(), level3->total());
}

struct Breadth {
    int slot;
    int minimum;
};

TEST(ShippedData, EveryTopicMeetsItsBreadth)
{
    const Breadth breadth[] = {
        {1, 90},  {2, 45},  {3, 110}, {4, 80},  {5, 30},  {6, 25},  {7, 45},  {8, 60},  {9, 35},
        {10, 20}, {11, 35}, {12, 30}, {13, 12}, {14, 12}, {15, 35}, {16, 5},  {17, 12}, {18, 12},
        {19, 12}, {20, 10}, {21, 10}, {22, 8},  {23, 6},  {24, 12}, {25, 10}, {26, 25},
    };
    const auto all = loadShipped(UnitLevel::All, kCzech);
    for (const auto& b : breadth) {
        EXPECT_GE(all->catalogue->count(b.slot), b.minimum) << topicKey(b.slot).toStdString();
        EXPECT_LE(all->catalogue->count(b.slot), kMaxRows) << topicKey(b.slot).toStdString();
    }
}

TEST(ShippedData, EveryUnitIsNamedUniqueAndDescribed)
{
    for (UnitLevel level : kLevels) {
        const auto load = loadShipped(level, kEnglish);
        for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
            const std::string where = std::string(levelName(level)) + " " + topicKey(slot).toStdString();
            ASSERT_GE(load->catalogue->count(slot), 1) << where;
            EXPECT_EQ(load->catalogue->unit(slot, 1).coefficient, 1.0) << where;
            QSet<QString> seen;
            for (int row = 1; row <= load->catalogue->count(slot); ++row) {
                const Unit& unit = load->catalogue->unit(slot, row);
                const std::string name = where + " row " + std::to_string(row) + " " + unit.name.toStdString();
                EXPECT_FALSE(unit.name.trimmed().isEmpty()) << name;
                EXPECT_FALSE(unit.name.startsWith(QLatin1Char('+')) || unit.name.startsWith(QLatin1Char('*'))) << name;
                EXPECT_FALSE(unit.symbol.isEmpty()) << name;
                EXPECT_GE(unit.info.size(), 20) << name;
                EXPECT_TRUE(std::isfinite(unit.coefficient) && unit.coefficient > 0.0) << name;
                EXPECT_FALSE(seen.contains(unit.name)) << "duplicate " << name;
                seen.insert(unit.name);
            }
        }
    }
}

TEST(ShippedData, TemperatureRowsAreTheFiveScalesInOrder)
{
    struct Scale {
        const char* name;
        const char* symbol;
        double degree;  // size of one degree in kelvin
    };
    const Scale scales[] = {
        {"kelvin", "K", 1.0},
        {"stupeň Celsia", "°C", 1.0},
        {"stupeň Fahrenheita", "°F", 5.0 / 9.0},
        {"stupeň Rankina", "°R", 5.0 / 9.0},
        {"stupeň Réaumura", "°Ré", 1.25},
    };
    for (UnitLevel level : kLevels) {
        const auto load = loadShipped(level, kCzech);
        ASSERT_EQ(load->catalogue->count(kTemperatureSlot), 5) << levelName(level);
        for (int i = 0; i < 5; ++i) {
            const Unit& unit = load->catalogue->unit(kTemperatureSlot, i + 1);
            EXPECT_EQ(unit.name, QString::fromUtf8(scales[i].name)) << levelName(level) << " row " << i + 1;
            EXPECT_EQ(unit.symbol, QString::fromUtf8(scales[i].symbol)) << scales[i].name;
            EXPECT_TRUE(relativelyClose(unit.coefficient, scales[i].degree, 1e-15)) << scales[i].name;
        }
    }
}

TEST(ShippedData, AngleSecondUnitIsTheDegree)
{
    for (UnitLevel level : kLevels) {
        const auto load = loadShipped(level, kCzech);
        ASSERT_GE(load->catalogue->count(kAngleSlot), 2) << levelName(level);
        EXPECT_EQ(load->catalogue->unit(kAngleSlot, 1).name, QStringLiteral("radián")) << levelName(level);
        const Unit& degree = load->catalogue->unit(kAngleSlot, 2);
        EXPECT_EQ(degree.name, QStringLiteral("stupeň")) << levelName(level);
        EXPECT_EQ(degree.symbol, QStringLiteral("°")) << levelName(level);
        EXPECT_TRUE(relativelyClose(degree.coefficient, kPi / 180.0, 1e-15)) << levelName(level);
    }
}

TEST(ShippedData, PrefixTopicStartsWithOneThenDescendsThroughTheSiPrefixes)
{
    struct Prefix {
        const char* name;
        const char* symbol;
        int exponent;
    };
    const Prefix prefixes[] = {
        {"quetta", "Q", 30}, {"ronna", "R", 27},  {"yotta", "Y", 24},  {"zetta", "Z", 21},   {"exa", "E", 18},
        {"peta", "P", 15},   {"tera", "T", 12},   {"giga", "G", 9},    {"mega", "M", 6},     {"kilo", "k", 3},
        {"hekto", "h", 2},   {"deka", "da", 1},   {"deci", "d", -1},   {"centi", "c", -2},   {"mili", "m", -3},
        {"mikro", "µ", -6},  {"nano", "n", -9},   {"piko", "p", -12},  {"femto", "f", -15},  {"atto", "a", -18},
        {"zepto", "z", -21}, {"yokto", "y", -24}, {"ronto", "r", -27}, {"quekto", "q", -30},
    };
    constexpr int kPrefixCount = int(sizeof(prefixes) / sizeof(prefixes[0]));
    for (UnitLevel level : kLevels) {
        const auto load = loadShipped(level, kEnglish);
        const UnitCatalogue& catalogue = *load->catalogue;
        ASSERT_EQ(catalogue.count(kPrefixSlot), kPrefixCount + 1) << levelName(level);
        EXPECT_EQ(catalogue.unit(kPrefixSlot, 1).coefficient, 1.0) << levelName(level);
        for (int i = 0; i < kPrefixCount; ++i) {
            const Unit& unit = catalogue.unit(kPrefixSlot, i + 2);
            EXPECT_EQ(unit.name, QString::fromUtf8(prefixes[i].name)) << "row " << i + 2;
            EXPECT_EQ(unit.symbol, QString::fromUtf8(prefixes[i].symbol)) << prefixes[i].name;
            EXPECT_TRUE(relativelyClose(unit.coefficient, std::pow(10.0, prefixes[i].exponent), 1e-15))
                << prefixes[i].name;
            if (i > 0) {
                EXPECT_LT(unit.coefficient, catalogue.unit(kPrefixSlot, i + 1).coefficient) << prefixes[i].name;
            }
        }
    }
}

// One unit expressed in another of the same topic, from the published
// definitions of both.
struct Conversion {
    int slot;
    const char* unit;
    const char* reference;
    double expected;
};

constexpr double kInch = 0.0254;
constexpr double kFoot = 0.3048;
constexpr double kSurveyFoot = 1200.0 / 3937.0;
constexpr double kPound = 0.45359237;
constexpr double kStandardGravity = 9.80665;
constexpr double kPoundForce = kPound * kStandardGravity;
constexpr double kUsGallon = 231.0 * kInch * kInch * kInch;
constexpr double kAstronomicalUnit = 149597870700.0;
constexpr double kLight = 299792458.0;
constexpr double kJulianYear = 365.25 * 86400.0;
constexpr double kBtu = 4.1868 * 453.59237 * 5.0 / 9.0;
constexpr double kPlanck = 6.62607015e-34;
constexpr double kCharge = 1.602176634e-19;
constexpr double kViennaFathom = 1.896484;

const Conversion kConversions[] = {
    // length
    {1, "palec (mezinárodní)", "metr", kInch},
    {1, "stopa (mezinárodní)", "metr", kFoot},
    {1, "stopa (americká zeměměřická)", "metr", kSurveyFoot},
    {1, "míle (americká zeměměřická)", "metr", 5280.0 * kSurveyFoot},
    {1, "yard", "metr", 0.9144},
    {1, "yard", "palec (mezinárodní)", 36.0},
    {1, "míle (mezinárodní)", "metr", 1609.344},
    {1, "míle (mezinárodní)", "stopa (mezinárodní)", 5280.0},
    {1, "námořní míle (mezinárodní)", "metr", 1852.0},
    {1, "kabel (námořní)", "námořní míle (mezinárodní)", 0.1},
    {1, "sáh (námořní, fathom)", "stopa (mezinárodní)", 6.0},
    {1, "furlong", "metr", 201.168},
    {1, "řetěz (Gunterův, chain)", "yard", 22.0},
    {1, "mil (tisícina palce)", "mikrometr", 25.4},
    {1, "ångström", "nanometr", 0.1},
    {1, "astronomická jednotka", "metr", kAstronomicalUnit},
    {1, "světelný rok", "metr", kLight* kJulianYear},
    {1, "parsek", "astronomická jednotka", 648000.0 / kPi},
    {1, "bod (DTP, PostScript)", "palec (mezinárodní)", 1.0 / 72.0},
    {1, "kilometr", "metr", 1000.0},
    {1, "sáh (vídeňský)", "metr", kViennaFathom},
    {1, "míle (rakouská poštovní)", "metr", 4000.0 * kViennaFathom},
    {1, "versta (ruská)", "metr", 1066.8},
    // area
    {2, "akr", "čtvereční metr", 4046.8564224},
    {2, "akr", "čtvereční stopa", 43560.0},
    {2, "hektar", "čtvereční metr", 10000.0},
    {2, "ar", "čtvereční metr", 100.0},
    {2, "čtvereční míle", "akr", 640.0},
    {2, "čtvereční palec", "čtvereční centimetr", 6.4516},
    {2, "barn", "čtvereční metr", 1e-28},
    {2, "jitro (dolnorakouské)", "čtvereční metr", 1600.0 * kViennaFathom* kViennaFathom},
    // volume
    {3, "litr", "krychlový metr", 0.001},
    {3, "galon (americký)", "litr", 3.785411784},
    {3, "galon (britský)", "litr", 4.54609},
    {3, "barel (ropný)", "galon (americký)", 42.0},
    {3, "barel (ropný)", "litr", 158.987294928},
    {3, "pinta (americká)", "mililitr", 473.176473},
    {3, "pinta (britská)", "mililitr", 568.26125},
    {3, "unce kapalinová (americká)", "mililitr", 29.5735295625},
    {3, "unce kapalinová (britská)", "mililitr", 28.4130625},
    {3, "bušl (americký)", "krychlový palec", 2150.42},
    {3, "krychlová stopa", "litr", 28.316846592},
    {3, "akr-stopa", "krychlový metr", 1233.48183754752},
    {3, "šálek (americký)", "unce kapalinová (americká)", 8.0},
    {3, "lžička (americká)", "mililitr", 4.92892159375},
    // mass
    {4, "libra", "kilogram", kPound},
    {4, "unce", "gram", 28.349523125},
    {4, "unce (trojská)", "gram", 31.1034768},
    {4, "grain", "miligram", 64.79891},
    {4, "karát (metrický)", "miligram", 200.0},
    {4, "tuna (krátká)", "libra", 2000.0},
    {4, "tuna (dlouhá)", "kilogram", 1016.0469088},
    {4, "stone", "libra", 14.0},
    {4, "slug", "kilogram", kPoundForce / kFoot},
    {4, "pennyweight", "grain", 24.0},
    {4, "tuna", "kilogram", 1000.0},
    {4, "libra (vídeňská)", "kilogram", 0.56006},
    {4, "lot (vídeňský)", "libra (vídeňská)", 1.0 / 32.0},
    {4, "pud", "kilogram", 16.3804964},
    // density
    {5, "libra na krychlovou stopu", "kilogram na krychlový metr", kPound / (kFoot * kFoot * kFoot)},
    {5, "gram na krychlový centimetr", "kilogram na krychlový metr", 1000.0},
    {5, "libra na galon (americký)", "kilogram na krychlový metr", kPound / kUsGallon},
    // force
    {6, "kilopond", "newton", kStandardGravity},
    {6, "librová síla", "newton", 4.4482216152605},
    {6, "dyn", "newton", 1e-5},
    {6, "poundal", "newton", 0.138254954376},
    {6, "kip", "librová síla", 1000.0},
    // pressure
    {7, "libra na čtvereční palec", "pascal", kPoundForce / (kInch * kInch)},
    {7, "atmosféra (fyzikální)", "pascal", 101325.0},
    {7, "atmosféra (technická)", "pascal", 98066.5},
    {7, "bar", "pascal", 1e5},
    {7, "torr", "pascal", 101325.0 / 760.0},
    {7, "milimetr rtuťového sloupce", "pascal", 133.322387415},
    {7, "palec rtuťového sloupce", "pascal", 3386.388640341},
    {7, "milimetr vodního sloupce", "pascal", kStandardGravity},
    {7, "barye", "pascal", 0.1},
    {7, "kilopond na čtvereční centimetr", "atmosféra (technická)", 1.0},
    // energy
    {8, "kalorie (mezinárodní)", "joule", 4.1868},
    {8, "kalorie (termochemická)", "joule", 4.184},
    {8, "britská tepelná jednotka (mezinárodní)", "joule", 1055.05585262},
    {8, "kilowatthodina", "joule", 3.6e6},
    {8, "elektronvolt", "joule", kCharge},
    {8, "erg", "joule", 1e-7},
    {8, "stopa-librová síla", "joule", kFoot* kPoundForce},
    {8, "kilopondmetr", "joule", kStandardGravity},
    {8, "tuna TNT", "joule", 4.184e9},
    {8, "therm (americký)", "joule", 105480400.0},
    {8, "tuna ropného ekvivalentu", "joule", 41.868e9},
    {8, "kilokalorie (výživová)", "kilojoule", 4.184},
    {8, "energie fotonu 1 Hz", "joule", kPlanck},
    // power
    {9, "koňská síla (mechanická)", "watt", 550.0 * kFoot* kPoundForce},
    {9, "koňská síla (elektrická)", "watt", 746.0},
    {9, "koňská síla (metrická)", "watt", 75.0 * kStandardGravity},
    {9, "BTU (mezinárodní) za hodinu", "watt", kBtu / 3600.0},
    {9, "tuna chlazení", "BTU (mezinárodní) za hodinu", 12000.0},
    {9, "kilokalorie (mezinárodní) za hodinu", "watt", 1.163},
    // plane angle
    {10, "stupeň", "úhlová minuta", 60.0},
    {10, "grad (gon)", "radián", kPi / 200.0},
    {10, "úhlová vteřina", "radián", kPi / 648000.0},
    {10, "otáčka", "stupeň", 360.0},
    {10, "dílec (NATO)", "radián", 2.0 * kPi / 6400.0},
    // time
    {11, "hodina", "sekunda", 3600.0},
    {11, "den", "hodina", 24.0},
    {11, "týden", "sekunda", 604800.0},
    {11, "rok (juliánský)", "den", 365.25},
    {11, "rok (gregoriánský)", "sekunda", 31556952.0},
    // speed
    {12, "kilometr za hodinu", "metr za sekundu", 1.0 / 3.6},
    {12, "míle za hodinu", "metr za sekundu", 0.44704},
    {12, "uzel", "kilometr za hodinu", 1.852},
    {12, "stopa za sekundu", "metr za sekundu", kFoot},
    {12, "rychlost světla", "kilometr za sekundu", kLight / 1000.0},
    // kinematic and dynamic viscosity
    {13, "stokes", "metr čtvereční za sekundu", 1e-4},
    {13, "centistokes", "milimetr čtvereční za sekundu", 1.0},
    {13, "čtvereční stopa za sekundu", "metr čtvereční za sekundu", kFoot* kFoot},
    {14, "poise", "pascalsekunda", 0.1},
    {14, "centipoise", "milipascalsekunda", 1.0},
    {14, "reyn", "pascalsekunda", kPoundForce / (kInch * kInch)},
    {14, "libra na stopu a sekundu", "pascalsekunda", kPound / kFoot},
    // flow
    {15, "litr za minutu", "krychlový metr za sekundu", 1.0 / 60000.0},
    {15, "galon (americký) za minutu", "litr za minutu", 3.785411784},
    {15, "krychlová stopa za sekundu", "litr za sekundu", 28.316846592},
    {15, "barel (ropný) za den", "galon (americký) za den", 42.0},
    // electricity and magnetism
    {17, "abampér", "ampér", 10.0},
    {17, "statampér", "ampér", 1.0 / 2997924580.0},
    {18, "statvolt", "volt", 299.792458},
    {18, "abvolt", "volt", 1e-8},
    {19, "von Klitzingova konstanta", "ohm", kPlanck / (kCharge * kCharge)},
    {19, "abohm", "ohm", 1e-9},
    {20, "maxwell", "weber", 1e-8},
    {20, "kvantum magnetického toku", "weber", kPlanck / (2.0 * kCharge)},
    {21, "gauss", "tesla", 1e-4},
    {21, "gama", "nanotesla", 1.0},
    {22, "oersted", "ampér na metr", 1000.0 / (4.0 * kPi)},
    {22, "ampérzávit na palec", "ampér na metr", 1.0 / kInch},
    // light
    {23, "milikandela", "kandela", 1e-3},
    {24, "stilb", "kandela na čtvereční metr", 1e4},
    {24, "lambert", "kandela na čtvereční metr", 1e4 / kPi},
    {24, "apostilb", "kandela na čtvereční metr", 1.0 / kPi},
    {24, "footlambert", "kandela na čtvereční metr", 1.0 / (kPi * kFoot * kFoot)},
    {24, "nit", "kandela na čtvereční metr", 1.0},
    {25, "stopa-svíčka", "lux", 1.0 / (kFoot * kFoot)},
    {25, "phot", "lux", 1e4},
};

TEST(ShippedData, WellKnownConversionsMatchTheirDefinitions)
{
    static_assert(sizeof(kConversions) / sizeof(kConversions[0]) >= 80);
    for (const QLocale* locale : kLocales) {
        const auto load = loadShipped(UnitLevel::All, *locale);
        for (const auto& c : kConversions) {
            const Unit* unit = load->find(c.slot, c.unit);
            const Unit* reference = load->find(c.slot, c.reference);
            ASSERT_NE(unit, nullptr) << "topic " << c.slot << " has no unit named " << c.unit;
            ASSERT_NE(reference, nullptr) << "topic " << c.slot << " has no unit named " << c.reference;
            EXPECT_TRUE(relativelyClose(unit->coefficient / reference->coefficient, c.expected, 1e-12))
                << c.unit << " in " << c.reference << " (" << locale->name().toStdString() << ")";
        }
    }
}

TEST(ShippedUserData, HoldsThreeNamedExampleQuantities)
{
    const char* const titles[] = {"Informace", "Frekvence a otáčky", "Zrychlení"};
    const auto load = loadShipped(UnitLevel::All, kCzech);
    EXPECT_EQ(load->catalogue->usedUserTopics(), (std::vector<int>{1, 2, 3}));
    for (int n = 1; n <= 3; ++n) {
        const int slot = kBuiltinTopicCount + n;
        EXPECT_EQ(load->catalogue->userTitleFromFile(n), QString::fromUtf8(titles[n - 1]));
        ASSERT_GE(load->catalogue->count(slot), 10) << titles[n - 1];
        EXPECT_EQ(load->catalogue->unit(slot, 1).coefficient, 1.0) << titles[n - 1];
        QSet<QString> seen;
        for (int row = 1; row <= load->catalogue->count(slot); ++row) {
            const Unit& unit = load->catalogue->unit(slot, row);
            EXPECT_FALSE(unit.name.isEmpty()) << titles[n - 1] << " row " << row;
            EXPECT_FALSE(unit.info.isEmpty()) << unit.name.toStdString();
            EXPECT_TRUE(std::isfinite(unit.coefficient) && unit.coefficient > 0.0) << unit.name.toStdString();
            EXPECT_FALSE(seen.contains(unit.name)) << "duplicate " << unit.name.toStdString();
            seen.insert(unit.name);
        }
    }

    const Conversion userConversions[] = {
        {27, "kibibajt", "bajt", 1024.0},
        {27, "gigabajt", "megabajt", 1000.0},
        {27, "bajt", "bit", 8.0},
        {28, "otáčka za minutu", "hertz", 1.0 / 60.0},
        {28, "radián za sekundu", "hertz", 1.0 / (2.0 * kPi)},
        {29, "normální tíhové zrychlení", "metr za sekundu na druhou", kStandardGravity},
        {29, "gal", "metr za sekundu na druhou", 0.01},
        {29, "stopa za sekundu na druhou", "metr za sekundu na druhou", kFoot},
    };
    for (const auto& c : userConversions) {
        const Unit* unit = load->find(c.slot, c.unit);
        const Unit* reference = load->find(c.slot, c.reference);
        ASSERT_NE(unit, nullptr) << c.unit;
        ASSERT_NE(reference, nullptr) << c.reference;
        EXPECT_TRUE(relativelyClose(unit->coefficient / reference->coefficient, c.expected, 1e-12)) << c.unit;
    }
}

}  // namespace
