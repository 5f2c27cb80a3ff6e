// The options dialog's rules (the own base's cases are the dialog's test): its number boxes, the data file labels, the
// stored colours, and what OK keeps, applies and saves.
#include "settings/datafilelabels.h"
#include "settings/optionsvalues.h"
#include "settings/settingsloader.h"
#include "settings/storedcolour.h"

#include "conversion/displayformat.h"
#include "support/recordingapplier.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/teststore.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

TEST(OptionsNumbers, WholeNumbersOfTheBoxRangeOnly)
{
    const QStringList boxes = {u("OwnBase"), u("OwnBasePlaces"), u("FractionPlaces"), u("FixedDecimals")};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/numberboxes.txt"), 3, 16)) {
        ASSERT_TRUE(boxes.contains(f[0])) << test::rowName(f);
        const std::optional<int> read = readWholeNumber(f[1], numberRange(NumberBox(boxes.indexOf(f[0]))));
        EXPECT_EQ(read ? QString::number(*read) : u("refused"), f[2]) << test::rowName(f);
    }
    EXPECT_EQ(numberRangeMessage(numberRange(NumberBox::OwnBase)), u("Musí být číslo mezi 2 a 32"));
}

TEST(DataFileLabels, SizeAndTime)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/filesizes.txt"), 3, 4))
        EXPECT_EQ(dataFileSizeText(f[1].toLongLong(), f[0] == u("cs") ? kCzech : kEnglish), f[2]) << test::rowName(f);
    // Minutes are not months.
    EXPECT_EQ(dataFileTimeText(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), u("05.03.2024, 14:07:09"));

    test::TestFolder folder;
    folder.writeBytes(u("Data.tvd"), QByteArray(12634, 'x'));
    EXPECT_EQ(dataFileLabels(folder.path(u("Data.tvd")), kCzech).size, u("12,34 kB (12634 bajtů)"));
    const DataFileLabels missing = dataFileLabels(folder.path(u("Missing.tvd")), kCzech);
    EXPECT_EQ(missing.size + missing.modified, QString());
}

TEST(StoredColours, SystemIndicesAndRgb)
{
    const struct {
        quint32 stored;
        SystemColourRole role;
    } system[] = {
        {0x8000000Eu, SystemColourRole::Highlight},  // the default marks in the highlight
        {0x80000008u, SystemColourRole::Text},
        {0x80000011u, SystemColourRole::DisabledText},
        {0x80000063u, SystemColourRole::Text},  // no such index
    };
    for (const auto& c : system) {
        const StoredColour colour = decodeStoredColour(qint32(c.stored));
        EXPECT_TRUE(colour.system && colour.role == c.role) << c.stored;
    }
    const StoredColour rgb = decodeStoredColour(0x00804020);
    EXPECT_FALSE(rgb.system);
    EXPECT_EQ(QString::asprintf("%x %x %x", rgb.red, rgb.green, rgb.blue), u("20 40 80"));
    EXPECT_EQ(encodeStoredColour(0x20, 0x40, 0x80), 0x00804020);
}

SettingsRecord storedRecord()
{
    SettingsRecord s;
    s.startTopic = 5;
    s.unitLevel = 2;
    s.fixedPattern = fixedDecimalsPattern(2);  // as loaded
    return s;
}

TEST(OptionsOk, KeepsAppliesAndRefuses)
{
    using E = OptionsEffect;
    const SettingsRecord stored = storedRecord();
    const OptionsValues opened = optionsFromSettings(stored);
    const struct {
        const char* name;
        std::function<void(OptionsValues&)> change;
        std::vector<OptionsEffect> effects;
        std::function<bool(const SettingsRecord&)> kept;
    } cases[] = {
        {"untouched", [](OptionsValues&) {}, {}, [&](const SettingsRecord& s) { return s == stored; }},
        {"no start topic or level chosen",
         [](OptionsValues& v) { v.startTopic = v.level = -1; },
         {},
         [](const SettingsRecord& s) { return s.startTopic == 5 && s.unitLevel == 2; }},
        {"start topic and level",
         [](OptionsValues& v) { v.startTopic = 0, v.level = 3; },
         {},
         [](const SettingsRecord& s) { return s.startTopic == 0 && s.unitLevel == 3; }},
        {"precision",
         [](OptionsValues& v) { v.precisionMode = 3; },
         {E::PrecisionMode},
         [](const SettingsRecord& s) { return s.precisionMode == 3; }},
        {"fixed decimals",
         [](OptionsValues& v) { v.fixedDecimalsText = u(" 9 "); },
         {E::FixedFormat},
         [](const SettingsRecord& s) { return s.fixedDecimalsText == u("9") && s.fixedPattern == u("0.########0"); }},
        {"own base",
         [](OptionsValues& v) { v.ownBaseText = u("16"); },
         {E::RepresentationSettings},
         [](const SettingsRecord& s) { return s.ownBase == 16; }},
        {"panels and navigator",
         [](OptionsValues& v) {
             v.previewShown = false, v.infoPanelShown = v.unitsShown = v.largeIcons = v.alwaysOnTop = true;
         },
         {E::Preview, E::InfoPanel, E::AlwaysOnTop, E::TopicListStyle, E::NavigatorPage},
         [](const SettingsRecord& s) {
             return !s.previewShown && s.infoPanelShown && s.alwaysOnTop && s.navigatorPage == u("Jednotky") &&
                    s.topicListStyle == u("Ikony");
         }},
        {"picked colour",
         [](OptionsValues& v) { v.enteredCellColour = 0xFF; },
         {E::Colouring},
         [](const SettingsRecord& s) { return s.enteredCellColour == 0xFF; }},
    };
    for (const auto& c : cases) {
        OptionsValues chosen = opened;
        c.change(chosen);
        const OptionsOutcome outcome = acceptOptions(stored, opened, chosen);
        EXPECT_FALSE(outcome.refused) << c.name;
        EXPECT_EQ(outcome.effects, c.effects) << c.name;
        EXPECT_TRUE(c.kept(outcome.settings)) << c.name;
    }

    OptionsValues bad = opened;
    bad.fixedDecimalsText = u("x");
    EXPECT_EQ(acceptOptions(stored, opened, bad).refused, NumberBox::FixedDecimals);
    bad.ownBaseText = u("");  // the first box in the dialog's order is named
    EXPECT_EQ(acceptOptions(stored, opened, bad).refused, NumberBox::OwnBase);

    SettingsRecord startScreen = stored;
    startScreen.startTopic = -1;  // shown as the start screen; untouched, it stays
    EXPECT_EQ(acceptOptions(startScreen, optionsFromSettings(startScreen), optionsFromSettings(startScreen))
                  .settings.startTopic,
              -1);
}

// What OK saves is what the next start loads.
TEST(OptionsOk, SavedSettingsLoadBack)
{
    SettingsRecord s = storedRecord();
    s.mainFilePath = u("/data/Můj.tvd"), s.mainFileName = u("Můj.tvd");
    s.userFilePath = u("/data/Jiný.tvd"), s.userFileName = u("Jiný.tvd");
    s.confirmExit = 0, s.singleInstance = 1, s.gridLines = 1, s.colourEnteredCell = 0, s.enteredCellColour = 0x804020;
    s.ownBase = 16, s.ownBasePlaces = 8, s.fractionSensitivity = 5, s.precisionMode = 3;
    s.fixedDecimals = 4, s.fixedDecimalsText = u("4"), s.fixedPattern = fixedDecimalsPattern(4);
    s.previewShown = false, s.magnifierShown = s.infoPanelShown = s.alwaysOnTop = true;
    s.topicListStyle = u("Ikony"), s.navigatorPage = u("Jednotky");
    test::TestStore store;
    saveOptions(*store.store, s);
    store.reopen();
    test::RecordingApplier applier;
    const SettingsRecord loaded =
        loadSettings(*store.store, applier, {}, {DataFolders{{}, {}, u("/opt")}, kCzech, fixedDecimalsPattern});
    EXPECT_EQ(loaded, s);
}

}  // namespace
