#include "catalogue/catalogueloader.h"
#include "catalogue/mainfilereader.h"
#include "catalogue/userfilereader.h"
#include "common/recordingmessagesink.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace tolvarin;
using tolvarin::test::TestFolder;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString u(const char* text) { return QString::fromUtf8(text); }

// A catalogue loaded from data files written into a temporary folder.
struct Loaded {
    TestFolder folder;
    DataFileConfig config;
    std::unique_ptr<UnitCatalogue> catalogue = std::make_unique<UnitCatalogue>();
    RecordingMessageSink messages;

    explicit Loaded(UnitLevel level = UnitLevel::All, const QLocale& locale = kCzech)
    {
        config.mainPath = folder.path(QStringLiteral("Tolvar.tvd"));
        config.userPath = folder.path(QStringLiteral("User.tvd"));
        config.level = level;
        config.locale = locale;
    }
    void main(const QStringList& lines) { folder.writeLines(QStringLiteral("Tolvar.tvd"), lines); }
    void user(const QStringList& lines) { folder.writeLines(QStringLiteral("User.tvd"), lines); }
    bool readMain() { return Texty(*catalogue, config, messages); }
    void reload() { reloadCatalogue(*catalogue, config, messages); }
    QString name(int slot, int row) const { return catalogue->unit(slot, row).name; }
    QStringList names(int slot) const
    {
        QStringList list;
        for (int row = 1; row <= catalogue->count(slot); ++row) list << name(slot, row);
        return list;
    }
    QString lastMessage() const { return messages.messages.isEmpty() ? QString() : messages.messages.last().text; }
};

const QStringList kLevelFile = {
    u("'levels"),
    u("1|metr|m|1|základ|True"),
    u("1|+stopa|ft|0.3048"),
    u("1|*loket|lok|0.7775"),
    u("1|kilometr|km|1000"),
};

TEST(MainFileReader, LevelMarkersDecideWhatLoads)
{
    struct Case {
        UnitLevel level;
        QStringList names;
    };
    const Case cases[] = {
        {UnitLevel::All, {u("metr"), u("stopa"), u("loket"), u("kilometr")}},
        {UnitLevel::Level1, {u("metr"), u("kilometr")}},
        {UnitLevel::Level2, {u("metr"), u("stopa"), u("kilometr")}},
        {UnitLevel::Level3, {u("metr"), u("loket"), u("kilometr")}},
    };
    for (const Case& c : cases) {
        Loaded data(c.level);
        data.main(kLevelFile);
        EXPECT_TRUE(data.readMain());
        EXPECT_EQ(data.names(1), c.names) << int(c.level);
        EXPECT_TRUE(data.messages.messages.isEmpty()) << int(c.level);
    }
}

TEST(MainFileReader, FieldsCarryOverAndCommentsAreSkipped)
{
    Loaded data;
    data.main({u("2|metr čtvereční|m²|1|info|True"), u("'comment|with|more|than|six|fields|x|y"), u("2|ar"), u("2"),
               u("2|hektar|ha|1E4|info|false"), u("3|metr krychlový|m³|1||true"), u("3|litr|l|1/1000|")});
    EXPECT_TRUE(data.readMain());
    EXPECT_TRUE(data.messages.messages.isEmpty());
    ASSERT_EQ(data.catalogue->count(2), 4);
    // "2|ar" keeps symbol and coefficient of the line before; "2" keeps all three.
    EXPECT_EQ(data.catalogue->unit(2, 2).symbol, u("m²"));
    EXPECT_EQ(data.catalogue->unit(2, 2).info, QString());
    EXPECT_EQ(data.name(2, 3), u("ar"));
    EXPECT_DOUBLE_EQ(data.catalogue->unit(2, 4).coefficient, 1e4);
    EXPECT_EQ(data.catalogue->count(3), 2);
    EXPECT_DOUBLE_EQ(data.catalogue->unit(3, 2).coefficient, 0.001);
}

TEST(MainFileReader, SixFieldsLoadSevenEndTheLoad)
{
    Loaded data;
    data.main({u("1|metr|m|1|info|True"), u("1|a|b|2|c|False|extra"), u("2|ar|a|100||True")});
    EXPECT_FALSE(data.readMain());
    ASSERT_EQ(data.messages.messages.size(), 1);
    EXPECT_EQ(data.messages.messages[0].title, u("Tolvarin [Sub Texty]"));
    EXPECT_EQ(data.messages.messages[0].text,
              u("Při načítání dat se vyskytla chyba 9 Index mimo rozsah.\r\n\r\nKontaktujte autora programu.\r\n"));
    EXPECT_EQ(data.catalogue->count(1), 0);  // counts are not taken after a failed load
    EXPECT_EQ(data.catalogue->count(2), 0);
}

struct FatalCase {
    const char* line;
    const char* text;
};

TEST(MainFileReader, FatalErrorsEndTheLoadWithTheirMessage)
{
    const FatalCase cases[] = {
        {"1|a|b|1|c|maybe", "Špatný datový typ. Chyba číslo 13\r\n\r\nOpravte soubor Tolvar.tvd!\r\n"},
        {"1|a|b|pi/2|c|True", "Špatný datový typ. Chyba číslo 13\r\n\r\nOpravte soubor Tolvar.tvd!\r\n"},
        {"1|a|b|5/0|c|True", "Při načítání dat se vyskytla chyba 11 Dělení nulou.\r\n\r\nKontaktujte autora programu.\r\n"},
        {"1|a|b|0/0|c|True", "Při načítání dat se vyskytla chyba 6 Přetečení.\r\n\r\nKontaktujte autora programu.\r\n"},
        {"300|a|b|1|c|True", "Při načítání dat se vyskytla chyba 6 Přetečení.\r\n\r\nKontaktujte autora programu.\r\n"},
        {"52|a|b|1|c|True", "Při načítání dat se vyskytla chyba 9 Index mimo rozsah.\r\n\r\nKontaktujte autora programu.\r\n"},
    };
    for (const FatalCase& c : cases) {
        Loaded data;
        data.main({u("1|metr|m|1|info|True"), u(c.line)});
        EXPECT_FALSE(data.readMain()) << c.line;
        ASSERT_EQ(data.messages.messages.size(), 1) << c.line;
        EXPECT_EQ(data.messages.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(data.lastMessage(), u(c.text)) << c.line;
        EXPECT_EQ(data.catalogue->count(1), 0) << c.line;
    }
}

TEST(MainFileReader, MissingFileLeavesEveryTopicEmpty)
{
    Loaded data;
    data.main({u("1|metr|m|1|info|True")});
    EXPECT_TRUE(data.readMain());
    data.config.mainPath = data.folder.path(QStringLiteral("nowhere.tvd"));
    EXPECT_FALSE(data.readMain());
    EXPECT_EQ(data.messages.messages.last().title, u("Tolvarin [Sub Texty]"));
    EXPECT_TRUE(data.lastMessage().startsWith(u("Soubor Tolvar.tvd nebyl nalezen.\r\n\r\nChyba 53 Soubor nenalezen.\r\n")));
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) EXPECT_EQ(data.catalogue->count(slot), 0) << slot;
}

TEST(MainFileReader, BadLinesAreReportedAndSkipped)
{
    Loaded data;
    data.main({u("1|metr|m|1|info|True"), u(" 'not a comment"), u(""), u("1|palec|in|0,0254"), u("1|stopa|ft|0.3048")});
    EXPECT_TRUE(data.readMain());
    ASSERT_EQ(data.messages.messages.size(), 3);
    EXPECT_EQ(data.messages.messages[0].text,
              u("Načtena nekorektní data\r\n\r\nPři načítání dat byl na řádku 2 načten špatný datový typ.\r\n"
                "Proveďte opravu v souboru Tolvar.tvd.\r\n\r\nNačtená hodnota: \r\n 'not a comment"));
    EXPECT_TRUE(data.messages.messages[1].text.endsWith(u("Načtená hodnota: \r\n")));  // the empty line
    EXPECT_TRUE(data.messages.messages[2].text.endsWith(u("řádku 4 načten špatný datový typ.\r\nProveďte opravu v souboru "
                                                         "Tolvar.tvd.\r\n\r\nNačtená hodnota: \r\n0,0254\r\nTip: Použijte desetinnou tečku.")));
    // Neither bad line takes a row, so the section stays whole; the comma cut 0,0254 to 0.
    EXPECT_EQ(data.names(1), (QStringList{u("metr"), u("palec"), u("stopa")}));
    EXPECT_EQ(data.catalogue->unit(1, 2).coefficient, 0.0);
    EXPECT_EQ(data.name(0, 1), QString());
}

TEST(MainFileReader, OverfullSectionDropsRecordsUntilTheNextSection)
{
    QStringList lines{u("1|u1|s|1|i|True")};
    for (int i = 2; i <= 152; ++i) lines << u("1|u%1|s|%1").arg(i);
    lines << u("2|ar|a|100|i|True");
    Loaded data;
    data.main(lines);
    EXPECT_TRUE(data.readMain());
    ASSERT_EQ(data.messages.messages.size(), 2);
    for (const auto& message : data.messages.messages)
        EXPECT_EQ(message.text, u("V tématu 1 Délka je příliš mnoho vět!\r\n\r\nDalší řádky v tématu nebudou načteny.\r\n"
                                  "Smažte nepotřebné řádky ze souboru Tolvar.tvd.\r\n"));
    EXPECT_EQ(data.catalogue->count(1), 150);
    EXPECT_EQ(data.names(2), QStringList{u("ar")});
}

TEST(MainFileReader, RowNumberingStartsAfreshWithEveryLoad)
{
    Loaded data;
    data.main({u("1|metr|m|1"), u("1|stopa|ft|0.3048")});  // no section flag at all
    EXPECT_TRUE(data.readMain());
    EXPECT_TRUE(data.readMain());
    EXPECT_EQ(data.names(1), (QStringList{u("metr"), u("stopa")}));
}

TEST(MainFileReader, LineEndsAndEncodings)
{
    const QByteArray utf8 = "1|metr|m|1|Základ|True\r2|ar|a|100|Plošná míra|True\n3|litr|l|0.001|i|True\r\n";
    QByteArray cp1250 = "1|loket|lok|0.7775|\xC8" "esk\xFD loket|True\r\n";  // "Český loket" in Windows-1250
    struct Case {
        QByteArray bytes;
        TextEncoding encoding;
        int slot;
        const char* info;
    };
    const Case cases[] = {
        {utf8, TextEncoding::Utf8, 2, "Plošná míra"},
        {QByteArray("\xEF\xBB\xBF") + utf8, TextEncoding::Utf8WithBom, 1, "Základ"},
        {cp1250, TextEncoding::Windows1250, 1, "Český loket"},
    };
    for (const Case& c : cases) {
        Loaded data;
        data.folder.writeBytes(QStringLiteral("Tolvar.tvd"), c.bytes);
        EXPECT_TRUE(data.readMain());
        EXPECT_TRUE(data.messages.messages.isEmpty()) << c.info;
        EXPECT_EQ(data.catalogue->mainFileEncoding, c.encoding) << c.info;
        EXPECT_EQ(data.catalogue->unit(c.slot, 1).info, u(c.info));
        EXPECT_EQ(data.catalogue->count(3), c.encoding == TextEncoding::Windows1250 ? 0 : 1);
    }
}

TEST(MainFileReader, LocaleDecidesTheFractionSides)
{
    struct Case {
        const QLocale* locale;
        const char* coefficient;
        bool loads;
    };
    const Case cases[] = {{&kCzech, "1/2,5", true}, {&kCzech, "1/2.5", false}, {&kEnglish, "1/2.5", true},
                          {&kEnglish, "1/2,5", false}, {&kCzech, "PI/180", true}};
    for (const Case& c : cases) {
        Loaded data(UnitLevel::All, *c.locale);
        data.main({u("1|x|x|%1|i|True").arg(u(c.coefficient))});
        EXPECT_EQ(data.readMain(), c.loads) << c.coefficient;
    }
}

TEST(UserFileReader, AppendsRecordsToTheirTopics)
{
    Loaded data;
    data.main({u("1|metr|m|1|i|True")});
    data.user({u("'U1=Frekvence"), u("  ' indented comment"), u(""), u("1|hertz|Hz|1|info"), u("3|bit|b|2.5"),
               u("1|kilohertz|kHz|1000|k"), u("3|bajt|B|2,5")});
    data.reload();
    ASSERT_EQ(data.messages.messages.size(), 1);  // the comma in 2,5
    EXPECT_TRUE(data.lastMessage().contains(u("souboru User.tvd.")));
    EXPECT_TRUE(data.lastMessage().contains(u("řádku 7 ")));
    EXPECT_EQ(data.names(27), (QStringList{u("hertz"), u("kilohertz")}));
    EXPECT_EQ(data.names(29), (QStringList{u("bit"), u("bajt")}));
    EXPECT_EQ(data.catalogue->unit(29, 1).info, QString());
    EXPECT_DOUBLE_EQ(data.catalogue->unit(29, 1).coefficient, 2.5);
    EXPECT_DOUBLE_EQ(data.catalogue->unit(29, 2).coefficient, 2.0);
    EXPECT_TRUE(data.catalogue->userTopicUsed(1));
    EXPECT_FALSE(data.catalogue->userTopicUsed(2));
    EXPECT_TRUE(data.catalogue->userTopicUsed(3));
    EXPECT_EQ(data.catalogue->userTitleFromFile(1), u("Frekvence"));

    // Units of user topic 3 are listed although topic 2 does not exist.
    const QList<UnitListEntry> entries = FillJednotky(*data.catalogue);
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[0].tag, u("1-1"));
    EXPECT_EQ(entries[0].iconKey, u("Delka"));
    EXPECT_EQ(entries[3].text, u("bit"));
    EXPECT_EQ(entries[3].tag, u("29-1"));
    EXPECT_EQ(entries[3].iconKey, u("User"));
    EXPECT_EQ(topicCounterText(*data.catalogue), u("Témat: 1+2"));
}

TEST(UserFileReader, StructuralErrorIsReportedAndKeepsWhatWasRead)
{
    struct Case {
        const char* badLine;
        const char* error;
    };
    const Case cases[] = {{"21|x|x|1", "chyba 9 Index mimo rozsah."}, {"2|x|x|1E999", "chyba 6 Přetečení."}};
    for (const Case& c : cases) {
        Loaded data;
        data.main({u("1|metr|m|1|i|True")});
        data.user({u("1|hertz|Hz|1"), u(c.badLine), u("1|kilohertz|kHz|1000")});
        data.reload();
        ASSERT_EQ(data.messages.messages.size(), 1) << c.badLine;
        EXPECT_TRUE(data.lastMessage().contains(u(c.error))) << data.lastMessage().toStdString();
        EXPECT_TRUE(data.lastMessage().contains(u("Soubor User.tvd, řádek 2.")));
        EXPECT_EQ(data.names(27), QStringList{u("hertz")});
        EXPECT_EQ(data.catalogue->count(1), 1);
    }
}

TEST(CatalogueReload, ClearsBuiltinMarksAndKeepsUserMarks)
{
    Loaded data;
    data.main({u("1|metr|m|1|i|True"), u("1|stopa|ft|0.3048")});
    data.user({u("1|hertz|Hz|1")});
    data.reload();
    data.catalogue->setMarked(1, 2, true);
    data.catalogue->setHidden(1, true);
    data.catalogue->setMarked(27, 1, true);
    data.reload();
    EXPECT_FALSE(data.catalogue->isMarked(1, 2));
    EXPECT_FALSE(data.catalogue->isHidden(1));
    EXPECT_TRUE(data.catalogue->isMarked(27, 1));
    EXPECT_EQ(data.names(27), QStringList{u("hertz")});  // user counts start from zero again
}

TEST(CatalogueCounters, CountBuiltinUnitsOnly)
{
    QStringList main;
    int written = 0;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        const int units = slot <= 12 ? 39 : 38;  // 12 * 39 + 14 * 38 = 1000
        for (int row = 1; row <= units; ++row, ++written)
            main << u("%1|u%2|s|%2%3").arg(slot).arg(row).arg(row == 1 ? u("|i|True") : QString());
    }
    ASSERT_EQ(written, 1000);
    Loaded data;
    data.main(main);
    data.user({u("1|a|a|1"), u("2|b|b|1"), u("2|c|c|1")});
    data.reload();
    EXPECT_TRUE(data.messages.messages.isEmpty());
    EXPECT_EQ(topicCounterText(*data.catalogue), u("Témat: 26+2"));
    EXPECT_EQ(unitCounterText(*data.catalogue), u("Jednotek v aplikaci: 1000"));
}

TEST(CatalogueCounters, TopicWithEmptyFirstRowCountsNothing)
{
    Loaded data;
    data.main({u("1|metr|m|1|i|True"), u("2||a|1|i|True"), u("2|ar|a|100")});
    EXPECT_TRUE(data.readMain());
    EXPECT_EQ(data.catalogue->count(2), 0);
    EXPECT_EQ(topicCounterText(*data.catalogue), u("Témat: 1+0"));
}

}  // namespace
