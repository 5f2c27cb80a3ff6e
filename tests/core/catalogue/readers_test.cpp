#include "catalogue/catalogueloader.h"
#include "catalogue/mainfilereader.h"
#include "catalogue/userfilereader.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tolvarin;
using tolvarin::test::TestFolder;
using tolvarin::test::u;

namespace {

// A catalogue read from data files written into a temporary folder.
struct Loaded {
    TestFolder folder;
    DataFileConfig config;
    std::unique_ptr<UnitCatalogue> catalogue = std::make_unique<UnitCatalogue>();
    DataFileReport report;

    explicit Loaded(const QStringList& mainLines, const QStringList& userLines = {})
    {
        config.mainPath = folder.writeLines(QStringLiteral("Tolvar.tvd"), mainLines);
        config.userPath = folder.writeLines(QStringLiteral("User.tvd"), userLines);
        config.locale = kCzech;
    }
    void reload() { report = reloadCatalogue(*catalogue, config); }
    // "1:metr,+stopa 27:hertz": the names of every topic that has units, those
    // of levels 2 and 3 marked as in the data file.
    QString units() const
    {
        QStringList topics;
        for (int slot = 1; slot <= kLastSlot; ++slot) {
            QStringList names;
            for (int row = 1; row <= catalogue->count(slot); ++row) {
                const Unit& unit = catalogue->unit(slot, row);
                names << QStringLiteral("+*").mid(int(unit.level) - 2, unit.level == UnitLevel::Level1 ? 0 : 1) +
                             unit.name;
            }
            if (!names.isEmpty()) topics << QString::number(slot) + u':' + names.join(u',');
        }
        return topics.join(u' ');
    }
    // "Fatal Tolvar.tvd:2" for each message.
    QString places() const
    {
        const char* severities[] = {"Warning", "Error", "Fatal"};
        QStringList list;
        for (const ReportMessage& m : report.messages)
            list << QStringLiteral("%1 %2:%3").arg(severities[int(m.severity)], m.fileName, QString::number(m.line));
        return list.join(u' ');
    }
};

TEST(DataFileReaders, CasesOfTheDataFile)
{
    struct Case {
        QString title;
        QStringList main, user;
        QByteArray mainBytes, userBytes;  // the files as bytes, with \r, \n and \xNN escapes
        QString units, places, text;
        UnitLevel level = UnitLevel::All;
    };
    QList<Case> cases;
    for (const QString& line : test::dataFileLines(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/readercases.txt"))) {
        const QString keyword = line.section(u' ', 0, 0);
        const QString rest = line.mid(keyword.size() + 1);
        if (keyword == u("==")) cases.append(Case{rest, {}, {}, {}, {}, {}, {}, {}});
        ASSERT_FALSE(cases.isEmpty()) << line.toStdString();
        Case& c = cases.last();
        if (keyword == u("main")) c.main << rest;
        if (keyword == u("mainbytes")) c.mainBytes = test::escapedBytes(rest);
        if (keyword == u("userbytes")) c.userBytes = test::escapedBytes(rest);
        if (keyword == u("user")) c.user << rest;
        if (keyword == u("level")) c.level = UnitLevel(rest.toInt());
        if (keyword == u("units")) c.units = rest;
        if (keyword == u("report")) c.places = rest;
        if (keyword == u("text")) c.text = QString(rest).replace(u("\\r\\n"), u("\r\n"));
    }
    ASSERT_GE(cases.size(), 15);
    for (const Case& c : cases) {
        Loaded data(c.main, c.user);
        if (!c.mainBytes.isEmpty()) data.folder.writeBytes(QStringLiteral("Tolvar.tvd"), c.mainBytes);
        if (!c.userBytes.isEmpty()) data.folder.writeBytes(QStringLiteral("User.tvd"), c.userBytes);
        data.config.level = c.level;
        data.reload();  // a second reading must give the same: rows count afresh, no user row stays
        data.reload();
        EXPECT_EQ(data.units(), c.units) << c.title.toStdString();
        EXPECT_EQ(data.places(), c.places) << c.title.toStdString();
        EXPECT_EQ(data.report.readToEnd, !c.places.contains(u("Fatal"))) << c.title.toStdString();
        if (!c.text.isEmpty()) {
            EXPECT_EQ(data.report.messages.value(0).text, c.text) << c.title.toStdString();
        }
    }
    EXPECT_EQ(reportMessageTitle(ReportSeverity::Fatal), u("Tolvarin [Sub Texty]"));
    EXPECT_EQ(reportMessageTitle(ReportSeverity::Warning), u("Tolvarin"));
}

TEST(MainFileReader, SectionsOverfullMissingFileAndReadingAgain)
{
    QStringList lines = {u("1|u1|s|1|i|True")};
    for (int i = 2; i <= 152; ++i) lines << u("1|u%1|s|%1").arg(i);
    Loaded data(lines << u("2|ar|a|100|i|True"));
    data.reload();
    EXPECT_EQ(data.places(), u("Error Tolvar.tvd:151 Error Tolvar.tvd:152"));
    EXPECT_EQ(data.report.messages[0].text,
              u("V tématu 1 Délka je příliš mnoho vět!\r\n\r\nDalší řádky v tématu nebudou načteny.\r\n"
                "Smažte nepotřebné řádky ze souboru Tolvar.tvd.\r\n"));
    EXPECT_EQ(data.catalogue->count(1), 150);
    EXPECT_EQ(data.catalogue->unit(2, 1).name, u("ar"));

    data.config.mainPath = data.folder.path(QStringLiteral("nowhere.tvd"));
    data.reload();
    EXPECT_EQ(data.places(), u("Fatal Tolvar.tvd:0"));
    EXPECT_TRUE(data.report.messages[0].text.startsWith(
        u("Soubor Tolvar.tvd nebyl nalezen.\r\n\r\nChyba 53 Soubor nenalezen.\r\n")));
    EXPECT_EQ(data.units(), QString());
}

TEST(UserFileReader, BadLinesBeyondTheFifthAreSummedUpInOneMessage)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/badlines.txt"), 2, 4)) {
        const bool summed = f[1] != u("-");
        QStringList user;
        for (int i = 0; i < f[0].toInt(); ++i) user << u("99|x|x|1");
        Loaded data({u("1|metr|m|1|i|True")}, user << u("1|hertz|Hz|1"));
        data.reload();
        EXPECT_EQ(data.units(), u("1:metr 27:hertz")) << test::rowName(f);  // the lines after them still load
        ASSERT_EQ(data.report.messages.size(), summed ? 6 : 5) << test::rowName(f);
        if (!summed) continue;
        EXPECT_EQ(data.report.messages[5].text,
                  f[1] + u("\r\n\r\nZprávy o nich se již nezobrazují. Opravte soubor a načtěte data znovu.\r\n"))
            << test::rowName(f);
        EXPECT_EQ(data.report.messages[5].line, 6) << test::rowName(f);
    }
}

TEST(UserFileReader, OnlyTheFieldsItReadsAreCutFromALine)
{
    // A line of a million "|" once became a million texts.
    Loaded data({u("1|metr|m|1|i|True")}, {u("1|hertz|Hz|1|kmitočet|") + QString(1'000'000, u'|')});
    data.reload();
    EXPECT_TRUE(data.report.isClean());
    EXPECT_EQ(data.catalogue->unit(27, 1).info, u("kmitočet"));
}

TEST(CatalogueReload, ClearsEveryMarkAndHiddenRowAndListsTheUnits)
{
    Loaded data({u("1|metr|m|1|i|True"), u("1|stopa|ft|0.3048")},
                {u("'U1=Frekvence"), u("1|hertz|Hz|1"), u("1|kilohertz|kHz|1000"), u("3|bit|b|1")});
    data.reload();
    data.catalogue->setMarked(1, 2, true);
    data.catalogue->setHidden(1, true);
    data.catalogue->setMarked(27, 1, true);
    data.catalogue->setMarked(27, 2, true);
    data.catalogue->setHidden(27, true);
    EXPECT_EQ(data.catalogue->markedCount(27), 2);
    data.reload();
    // A user topic's marks went with its rows, as did the built-in ones.
    EXPECT_FALSE(data.catalogue->isMarked(1, 2) || data.catalogue->isHidden(1) || data.catalogue->isHidden(27));
    EXPECT_EQ(data.catalogue->markedCount(27), 0);
    data.catalogue->setMarked(27, 1, true);
    EXPECT_EQ(data.catalogue->markedCount(27), 1);
    data.catalogue->setMarked(27, 1, false);
    EXPECT_EQ(data.units(), u("1:metr,stopa 27:hertz,kilohertz 29:bit"));
    EXPECT_EQ(data.catalogue->userTitleFromFile(1), u("Frekvence"));

    QStringList entries;
    for (const UnitListEntry& entry : unitListEntries(*data.catalogue))
        entries << entry.text + u' ' + entry.iconKey + u' ' + entry.tag;
    EXPECT_EQ(entries.join(u", "),
              u("metr Delka 1-1, stopa Delka 1-2, hertz User 27-1, kilohertz User 27-2, bit User 29-1"));
    EXPECT_EQ(topicCounterText(*data.catalogue), u("Témat: 1+2"));
    EXPECT_EQ(unitCounterText(*data.catalogue), u("Jednotek v aplikaci: 2"));
}

}  // namespace
