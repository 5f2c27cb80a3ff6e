// Loading the settings; the cases are in data/loadcases.txt.
#include "settings/settingsloader.h"

#include "support/recordingapplier.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/teststore.h"
#include "support/testtext.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace tolvarin;
using tolvarin::test::RecordingApplier;
using tolvarin::test::TestStore;
using tolvarin::test::u;

namespace {

const QStringList kDefaultCalls = {u("noGridLines"),
                                   u("ownBase Vlast&ní (12)"),
                                   u("fixed Pevný počet (2)"),
                                   u("clearPanelMarks"),
                                   u("preview"),
                                   u("precision 0"),
                                   u("topicListStyle 1"),
                                   u("topicList"),
                                   u("font MS Sans Serif 8")};

struct Loaded {
    SettingsRecord record;
    QString calls;         // how the calls differ from kDefaultCalls, as the data file writes it
    QStringList problems;  // "Start/Grid=A" for each question
};

// Answers the loader's questions from a script. Running out of answers is a
// test fault (a real user would be asked again and again): it fails the test
// and aborts, so that no test can loop.
Loaded load(const SettingsStore& store, QList<LoadAnswer> answers, const std::function<void()>& beforeAnswer = {})
{
    RecordingApplier applier;
    Loaded loaded;
    const auto ask = [&](const SettingProblem& problem) {
        loaded.problems << problem.section + u'/' + problem.key + u'=' + problem.storedText;
        if (beforeAnswer) beforeAnswer();
        if (answers.isEmpty()) ADD_FAILURE() << "no answer left for " << loaded.problems.last().toStdString();
        return answers.isEmpty() ? LoadAnswer::Abort : answers.takeFirst();
    };
    loaded.record =
        loadSettings(store, applier, ask,
                     {DataFolders{{}, {}, u("/opt/tolvarin")}, kCzech, [](int n) { return QString::number(n); }});
    EXPECT_TRUE(answers.isEmpty()) << "answers left over";
    QStringList difference;
    for (const QString& call : kDefaultCalls)
        if (!applier.calls.contains(call)) difference << u("-") + call;
    for (const QString& call : applier.calls)
        if (!kDefaultCalls.contains(call)) difference << u("+") + call;
    loaded.calls = difference.join(u("; "));
    return loaded;
}

// The fields of the record that the data file checks, as text.
QString recordField(const SettingsRecord& s, const QString& name)
{
    const auto number = [](auto n) { return QString::number(n); };
    // clang-format off
    const std::map<QString, QString> fields = {
        {u("gridLines"), number(s.gridLines)}, {u("ownBase"), number(s.ownBase)},
        {u("unitLevel"), number(s.unitLevel)}, {u("startTopic"), number(s.startTopic)},
        {u("launchCount"), number(s.launchCount)}, {u("conversionCount"), number(s.conversionCount)},
        {u("enteredCellColour"), number(s.enteredCellColour)}, {u("confirmExit"), number(s.confirmExit)},
        {u("singleInstance"), number(s.singleInstance)}, {u("previewShown"), number(s.previewShown)},
        {u("magnifierShown"), number(s.magnifierShown)}, {u("topicListStyle"), s.topicListStyle},
        {u("fixedDecimalsText"), s.fixedDecimalsText}, {u("fixedDecimals"), number(s.fixedDecimals)},
        {u("fixedPattern"), s.fixedPattern}, {u("mainFilePath"), s.mainFilePath},
        {u("userFilePath"), s.userFilePath},
    };
    // clang-format on
    return fields.count(name) ? fields.at(name) : u("no such field");
}

TEST(SettingsLoader, CasesOfTheDataFile)
{
    const std::map<QString, LoadAnswer> answerNames = {
        {u("Abort"), LoadAnswer::Abort}, {u("Retry"), LoadAnswer::Retry}, {u("Ignore"), LoadAnswer::Ignore}};
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/loadcases.txt"), 5, 20)) {
        TestStore store;
        for (const auto& [key, text] : test::dataItems(f[0]))
            store.store->writeText(key.section(u'/', 0, 0), key.section(u'/', 1), text);
        const QStringList problems = f[1].split(u' ', Qt::SkipEmptyParts);
        QList<LoadAnswer> answers(problems.size(), LoadAnswer::Ignore);
        if (!f[2].isEmpty()) answers.clear();
        for (const QString& answer : f[2].split(u' ', Qt::SkipEmptyParts)) answers << answerNames.at(answer);
        const Loaded loaded = load(*store.store, answers);
        EXPECT_EQ(loaded.problems, problems) << test::rowName(f);
        EXPECT_EQ(loaded.calls, f[3]) << test::rowName(f);
        for (const auto& [name, text] : test::dataItems(f[4]))
            EXPECT_EQ(recordField(loaded.record, name), text) << name.toStdString() << " in " << test::rowName(f);
    }
    EXPECT_EQ(loadErrorTitle() + u(": ") + loadErrorText(), u("Chyba inicializace: Chyba načítání z registrů."));
}

TEST(SettingsLoader, RetryReadsWhatTheUserRepairedMeanwhile)
{
    TestStore store;
    store.set("Start", "Grid", u("A"));
    const Loaded repaired = load(*store.store, {LoadAnswer::Retry}, [&store] { store.set("Start", "Grid", u("1")); });
    EXPECT_EQ(repaired.problems, QStringList{u("Start/Grid=A")});
    EXPECT_EQ(repaired.record.gridLines, 1);
}

TEST(SettingsLoader, DefaultDataFilePathIsInTheProgramFolder)
{
    EXPECT_EQ(defaultDataFilePath(u("/opt/tolvarin"), u("Tolvar.tvd")), u("/opt/tolvarin/Tolvar.tvd"));
    EXPECT_EQ(defaultDataFilePath(u("/opt/tolvarin/"), u("Tolvar.tvd")), u("/opt/tolvarin/Tolvar.tvd"));
    EXPECT_EQ(defaultDataFilePath(u("/"), u("Tolvar.tvd")), u("/Tolvar.tvd"));
}

}  // namespace
