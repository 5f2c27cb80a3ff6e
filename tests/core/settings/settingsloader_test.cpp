#include "settings/settingsloader.h"

#include "support/teststore.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tolvarin;
using tolvarin::test::TestStore;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::Czechia);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QString kProgramFolder = QStringLiteral("/opt/tolvarin");

QString flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// Writes down every call as text, in order.
class RecordingApplier : public SettingsApplier {
public:
    void setGridLines(bool shown) override { add("setGridLines(" + flag(shown) + ")"); }
    void setOwnBaseCaption(const QString& caption) override { add("setOwnBaseCaption(" + caption + ")"); }
    void setFixedCaption(const QString& caption) override { add("setFixedCaption(" + caption + ")"); }
    void clearPanelMarks() override { add("clearPanelMarks"); }
    void setPreviewOn() override { add("setPreviewOn"); }
    void setMagnifierOn() override { add("setMagnifierOn"); }
    void setInfoPanelOn() override { add("setInfoPanelOn"); }
    void setOnTopMark() override { add("setOnTopMark"); }
    void FormatZ(int mode) override { add(QStringLiteral("FormatZ(%1)").arg(mode)); }
    void VelicinyI(int style) override { add(QStringLiteral("VelicinyI(%1)").arg(style)); }
    void NavigatorV() override { add("NavigatorV"); }
    void NavigatorJ() override { add("NavigatorJ"); }
    void setEditorFont(const QString& name, float size, bool bold, bool italic) override
    {
        add(QStringLiteral("setEditorFont(%1, %2, %3, %4)").arg(name).arg(double(size)).arg(flag(bold), flag(italic)));
    }

    QStringList calls;

private:
    void add(const QString& call) { calls.append(call); }
};

// Answers the loader's questions from a script. Running out of answers is a
// test fault (the real user would be asked again and again): it fails the
// test and aborts, so that no test can loop.
class ScriptedSink : public MessageSink {
public:
    struct Question {
        MessageIcon icon;
        QString title;
        QString text;
        MessageButtons buttons;
        MessageAnswer defaultAnswer;
    };

    void show(MessageIcon, const QString&, const QString& text) override
    {
        ADD_FAILURE() << "unexpected message " << text.toStdString();
    }
    MessageAnswer ask(MessageIcon icon, const QString& title, const QString& text, MessageButtons buttons,
                      MessageAnswer defaultAnswer) override
    {
        questions.append({icon, title, text, buttons, defaultAnswer});
        if (beforeAnswer) beforeAnswer();
        if (answers.isEmpty()) {
            ADD_FAILURE() << "no answer left for question " << questions.size();
            return MessageAnswer::Abort;
        }
        return answers.takeFirst();
    }

    QList<MessageAnswer> answers;
    QList<Question> questions;
    std::function<void()> beforeAnswer;
};

QString patternOf(int n)
{
    return QStringLiteral("pattern%1").arg(n);
}

struct Loaded {
    Settings settings;
    QStringList calls;
    QList<ScriptedSink::Question> questions;
};

Loaded load(const SettingsStore& store, const QList<MessageAnswer>& answers = {}, const QLocale& locale = kCzech,
            std::function<void()> beforeAnswer = {})
{
    RecordingApplier applier;
    ScriptedSink sink;
    sink.answers = answers;
    sink.beforeAnswer = std::move(beforeAnswer);
    const Settings settings = LoadSet(store, applier, sink, {kProgramFolder, locale, patternOf});
    EXPECT_TRUE(sink.answers.isEmpty()) << "answers left over";
    return {settings, applier.calls, sink.questions};
}

const QStringList kDefaultCalls = {
    "setGridLines(false)",
    "setOwnBaseCaption(Vlast&ní (12))",
    "setFixedCaption(Pevný počet (2))",
    "clearPanelMarks",
    "setPreviewOn",
    "FormatZ(0)",
    "VelicinyI(1)",
    "NavigatorV",
    "setEditorFont(MS Sans Serif, 8, false, false)",
};

Settings defaultRecord()
{
    Settings expected;
    expected.Path = "/opt/tolvarin/Tolvar.tvd";
    expected.PathUser = "/opt/tolvarin/User.tvd";
    expected.fixPattern = patternOf(2);
    return expected;
}

TEST(LoadSet, EmptyStoreGivesEveryDefault)
{
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        TestStore store;
        const Loaded loaded = load(*store.store, {}, *locale);
        EXPECT_TRUE(loaded.questions.isEmpty());
        EXPECT_EQ(loaded.settings, defaultRecord());
        EXPECT_EQ(loaded.calls.join(" | ").toStdString(), kDefaultCalls.join(" | ").toStdString());
    }
    // The record's own initial values are the same defaults, paths aside.
    EXPECT_EQ(Settings().SafeEnd, 1);
    EXPECT_EQ(Settings().NumBase, 12);
}

struct StoredValue {
    const char* section;
    const char* key;
    const char* text;
};

// One stored setting (or a few) and what loading makes of it.
struct LoadCase {
    const char* name;
    std::vector<StoredValue> stored;
    QList<MessageAnswer> answers;  // one per expected message
    QStringList expectedCalls;     // in order, among all calls
    QStringList absentCalls;
    std::function<bool(const Settings&)> recordCheck;
};

bool containsInOrder(const QStringList& calls, const QStringList& expected)
{
    qsizetype from = 0;
    for (const QString& call : expected) {
        from = calls.indexOf(call, from);
        if (from < 0) return false;
        ++from;
    }
    return true;
}

const MessageAnswer Ignore = MessageAnswer::Ignore;

TEST(LoadSet, StoredValuesAndTheirEffects)
{
    const LoadCase cases[] = {
        {"grid letter, ignored: grid untouched, NumBase still read",
         {{"Start", "Grid", "A"}, {"Start", "NumBase", "16"}},
         {Ignore},
         {"setOwnBaseCaption(Vlast&ní (16))"},
         {"setGridLines(false)", "setGridLines(true)"},
         [](const Settings& s) { return s.Grid == 0 && s.NumBase == 16; }},
        {"grid 1 shows lines", {{"Start", "Grid", "1"}}, {}, {"setGridLines(true)"}, {}, nullptr},
        {"grid 2 hides lines", {{"Start", "Grid", "2"}}, {}, {"setGridLines(false)"}, {}, nullptr},
        {"Uroven above 32767",
         {{"Obecne", "Uroven", "32768"}},
         {Ignore},
         {},
         {},
         [](const Settings& s) { return s.Uroven == 0; }},
        {"Uroven beyond the levels", {{"Obecne", "Uroven", "4"}}, {Ignore}, {}, {}, nullptr},
        {"Uroven 3", {{"Obecne", "Uroven", "3"}}, {}, {}, {}, [](const Settings& s) { return s.Uroven == 3; }},
        {"Veliciny ikony", {{"Obecne", "Veliciny", "ikony"}}, {}, {"VelicinyI(0)"}, {"VelicinyI(1)"}, nullptr},
        {"Veliciny SEZNAM", {{"Obecne", "Veliciny", "SEZNAM"}}, {}, {"VelicinyI(1)"}, {"VelicinyI(0)"}, nullptr},
        {"Veliciny other word",
         {{"Obecne", "Veliciny", "Dlazdice"}},
         {},
         {},
         {"VelicinyI(0)", "VelicinyI(1)"},
         [](const Settings& s) { return s.Veliciny == "Dlazdice"; }},
        {"Navigator jednotky", {{"Obecne", "Navigator", "jednotky"}}, {}, {"NavigatorJ"}, {"NavigatorV"}, nullptr},
        {"Navigator other word", {{"Obecne", "Navigator", "oboje"}}, {}, {}, {"NavigatorV", "NavigatorJ"}, nullptr},
        {"Lupa on the start screen stays off",
         {{"Obecne", "Lupa", "True"}, {"Start", "Tema", "0"}},
         {},
         {},
         {"setMagnifierOn"},
         [](const Settings& s) { return s.Lupa && s.Tema == 0; }},
        {"Lupa with a start topic",
         {{"Obecne", "Lupa", "true"}, {"Start", "Tema", "5"}},
         {},
         {"setMagnifierOn"},
         {},
         [](const Settings& s) { return s.Tema == 5; }},
        {"Tema -1 is the start screen",
         {{"Start", "Tema", "-1"}, {"Obecne", "Lupa", "1"}},
         {},
         {},
         {"setMagnifierOn"},
         [](const Settings& s) { return s.Tema == -1; }},
        {"Tema beyond the built-in topics",
         {{"Start", "Tema", "27"}},
         {Ignore},
         {},
         {},
         [](const Settings& s) { return s.Tema == 0; }},
        {"Fix with blanks",
         {{"Obecne", "Fix", " 4 "}},
         {},
         {"setFixedCaption(Pevný počet (4))"},
         {},
         [](const Settings& s) { return s.Fix == " 4 " && s.FixDecimals == 4 && s.fixPattern == "pattern4"; }},
        {"Fix 0",
         {{"Obecne", "Fix", "0"}},
         {},
         {"setFixedCaption(Pevný počet (0))"},
         {},
         [](const Settings& s) { return s.FixDecimals == 0 && s.fixPattern == "pattern0"; }},
        {"Fix not a number keeps the default pattern",
         {{"Obecne", "Fix", "dva"}},
         {Ignore},
         {},
         {"setFixedCaption(Pevný počet (dva))", "setFixedCaption(Pevný počet (2))"},
         [](const Settings& s) { return s.Fix == "2" && s.fixPattern == "pattern2"; }},
        {"NumBase below 2",
         {{"Start", "NumBase", "1"}},
         {Ignore},
         {},
         {"setOwnBaseCaption(Vlast&ní (1))"},
         [](const Settings& s) { return s.NumBase == 12; }},
        {"panels from booleans in any form",
         {{"Obecne", "Nahled", "false"}, {"Obecne", "Informace", "-1"}, {"Obecne", "OnTop", "TRUE"}},
         {},
         {"clearPanelMarks", "setInfoPanelOn", "setOnTopMark"},
         {"setPreviewOn"},
         nullptr},
        {"boolean that is neither",
         {{"Obecne", "Nahled", "ano"}},
         {Ignore},
         {},
         {"setPreviewOn"},
         [](const Settings& s) { return s.Nahled; }},
        {"Presnost 3", {{"Obecne", "Presnost", "3"}}, {}, {"FormatZ(3)"}, {"FormatZ(0)"}, nullptr},
        {"editor font with a regional size",
         {{"Edit", "FontName", "DejaVu Sans"}, {"Edit", "FontSize", "10,5"}, {"Edit", "FontItalic", "True"}},
         {},
         {"setEditorFont(DejaVu Sans, 10.5, false, true)"},
         {},
         nullptr},
        {"font size zero",
         {{"Edit", "FontSize", "0"}},
         {Ignore},
         {"setEditorFont(MS Sans Serif, 8, false, false)"},
         {},
         nullptr},
        {"data file paths",
         {{"Obecne", "File", "Moje.tvd"}, {"Obecne", "PathUser", "/home/eva/U.tvd"}},
         {},
         {},
         {},
         [](const Settings& s) { return s.Path == "/opt/tolvarin/Moje.tvd" && s.PathUser == "/home/eva/U.tvd"; }},
        {"counters and colours",
         {{"Start", "Spusteno", "41"},
          {"Obecne", "Prevedeno", "2147483647"},
          {"Obecne", "ColoredColor", "255"},
          {"Obecne", "SafeEnd", "0"},
          {"Start", "OnlyOne", "1"}},
         {},
         {},
         {},
         [](const Settings& s) {
             return s.Spusteno == 41 && s.Prevedeno == 2147483647 && s.ColoredColor == 255 && s.SafeEnd == 0 &&
                    s.OnlyOne == 1;
         }},
        {"counter beyond 32 bits",
         {{"Start", "Spusteno", "2147483648"}},
         {Ignore},
         {},
         {},
         [](const Settings& s) { return s.Spusteno == 0; }},
    };
    for (const LoadCase& c : cases) {
        TestStore store;
        for (const StoredValue& value : c.stored) store.set(value.section, value.key, QString::fromUtf8(value.text));
        const Loaded loaded = load(*store.store, c.answers);
        const QString calls = loaded.calls.join(" | ");
        EXPECT_EQ(loaded.questions.size(), c.answers.size()) << c.name;
        EXPECT_TRUE(containsInOrder(loaded.calls, c.expectedCalls)) << c.name << ": " << calls.toStdString();
        for (const QString& absent : c.absentCalls)
            EXPECT_FALSE(loaded.calls.contains(absent)) << c.name << ": " << absent.toStdString();
        if (c.recordCheck) {
            EXPECT_TRUE(c.recordCheck(loaded.settings)) << c.name;
        }
    }
}

TEST(LoadSet, TheMessageIsAnAbortRetryIgnoreQuestion)
{
    TestStore store;
    store.set("Start", "Grid", "A");
    const Loaded loaded = load(*store.store, {Ignore});
    ASSERT_EQ(loaded.questions.size(), 1);
    const ScriptedSink::Question& q = loaded.questions.first();
    EXPECT_EQ(q.icon, MessageIcon::Critical);
    EXPECT_EQ(q.title, "Chyba inicializace");
    EXPECT_EQ(q.text, "Chyba načítání z registrů.");
    EXPECT_EQ(q.buttons, MessageButtons::AbortRetryIgnore);
    EXPECT_EQ(q.defaultAnswer, MessageAnswer::Retry);
}

TEST(LoadSet, RetryReadsTheKeyAgain)
{
    // The user repairs the store while the message is open, then retries.
    TestStore store;
    store.set("Start", "Grid", "A");
    const Loaded repaired =
        load(*store.store, {MessageAnswer::Retry}, kCzech, [&store] { store.set("Start", "Grid", "1"); });
    EXPECT_EQ(repaired.questions.size(), 1);
    EXPECT_EQ(repaired.settings.Grid, 1);
    EXPECT_TRUE(repaired.calls.contains("setGridLines(true)"));

    // Unrepaired, every retry brings the message back until the user gives up.
    TestStore broken;
    broken.set("Obecne", "Presnost", "x");
    const Loaded ignored = load(*broken.store, {MessageAnswer::Retry, MessageAnswer::Retry, Ignore});
    EXPECT_EQ(ignored.questions.size(), 3);
    EXPECT_FALSE(ignored.calls.join(" ").contains("FormatZ"));
}

TEST(LoadSet, AbortLeavesTheRestAtItsDefaults)
{
    TestStore store;
    store.set("Start", "Grid", "A");
    store.set("Start", "NumBase", "16");
    store.set("Obecne", "Uroven", "99999");  // would ask again if it were still read
    store.set("Obecne", "Presnost", "2");
    store.set("Obecne", "File", "Moje.tvd");  // read before the failure: kept
    const Loaded loaded = load(*store.store, {MessageAnswer::Abort});
    EXPECT_EQ(loaded.questions.size(), 1);
    Settings expected = defaultRecord();
    expected.File = "Moje.tvd";
    expected.Path = "/opt/tolvarin/Moje.tvd";
    EXPECT_EQ(loaded.settings, expected);
    // The window is set up for the defaults, so it agrees with the record.
    EXPECT_EQ(loaded.calls.join(" | ").toStdString(), kDefaultCalls.join(" | ").toStdString());
}

TEST(LoadSet, PatternIsLeftEmptyWithoutABuilder)
{
    TestStore store;
    RecordingApplier applier;
    ScriptedSink sink;
    const Settings settings = LoadSet(*store.store, applier, sink, {kProgramFolder, kEnglish, {}});
    EXPECT_TRUE(settings.fixPattern.isEmpty());
    EXPECT_EQ(settings.FixDecimals, 2);
}

struct PathCase {
    const char* folder;
    const char* expected;
};

TEST(LoadSet, DefaultDataFilePathIsInTheProgramFolder)
{
    const PathCase cases[] = {
        {"/opt/tolvarin", "/opt/tolvarin/Tolvar.tvd"},
        {"/opt/tolvarin/", "/opt/tolvarin/Tolvar.tvd"},
        {"/", "/Tolvar.tvd"},
    };
    for (const PathCase& c : cases) EXPECT_EQ(defaultDataFilePath(c.folder, "Tolvar.tvd"), c.expected) << c.folder;
}

}  // namespace
