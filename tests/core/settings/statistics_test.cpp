#include "settings/statistics.h"

#include "settings/settingvalues.h"
#include "support/teststore.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tolvarin;
using tolvarin::test::TestStore;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::Czechia);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

class FakeClock : public RunClock {
public:
    explicit FakeClock(qint64 ms = 0) : ms_(ms) {}
    qint64 elapsedMs() const override { return ms_; }
    void restart() override { ms_ = 0; }
    void advance(qint64 ms) { ms_ += ms; }

private:
    qint64 ms_;
};

constexpr qint64 kSecond = 1000;

struct DurationCase {
    double days;
    const char* expected;
};

TEST(Statistics, DurationTexts)
{
    const DurationCase cases[] = {
        {0.0, "0:00:00"},
        {303.0 / 86400, "0:05:03"},
        {725.0 / 86400, "0:12:05"},
        {0.4 / 86400, "0:00:00"},
        {0.6 / 86400, "0:00:01"},  // the nearest second
        {36000.0 / 86400, "10:00:00"},
        {86399.0 / 86400, "23:59:59"},
        {86399.7 / 86400, "1 d 0:00:00"},
        {(86400.0 + 2 * 3600 + 3 * 60 + 4) / 86400, "1 d 2:03:04"},
        {400.5, "400 d 12:00:00"},
        {-303.0 / 86400, "-0:05:03"},
        {std::numeric_limits<double>::infinity(), "?"},
        {std::numeric_limits<double>::quiet_NaN(), "?"},
    };
    for (const DurationCase& c : cases) EXPECT_EQ(durationText(c.days), c.expected) << c.days;
}

TEST(Statistics, FiveMinuteRunAddsItsLengthToDoba)
{
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        TestStore store;
        store.set("Obecne", "Doba", "0");
        Settings settings;
        settings.Prevedeno = 7;
        const FakeClock clock(303 * kSecond);
        EXPECT_TRUE(saveStatistics(*store.store, settings, clock, *locale));
        const Result<double> doba = toDoba(store.get("Obecne", "Doba"), *locale);
        ASSERT_TRUE(doba.ok());
        EXPECT_EQ(doba.value(), 303.0 / 86400);
        EXPECT_EQ(store.get("Obecne", "Prevedeno"), "7");
        const StatisticsTexts texts = statisticsDisplay(*store.store, settings, FakeClock(0), *locale);
        EXPECT_EQ(texts.total, "0:05:03");
    }
}

struct ExitCase {
    const char* stored;  // nullptr: no Doba in the store yet
    qint64 runMs;
    const char* expectedTotal;
};

TEST(Statistics, TotalsAccumulateOverRuns)
{
    const ExitCase cases[] = {
        {nullptr, 60 * kSecond, "0:01:00"},
        {"0,5", 12 * 3600 * kSecond, "1 d 0:00:00"},    // a Czech store read under any locale
        {"0.25", 30 * 3600 * kSecond, "1 d 12:00:00"},  // a run over midnight counts its whole length
        {"1e-3", 0, "0:01:26"},
    };
    for (const ExitCase& c : cases) {
        TestStore store;
        if (c.stored) store.set("Obecne", "Doba", c.stored);
        ASSERT_TRUE(saveStatistics(*store.store, Settings(), FakeClock(c.runMs), kEnglish)) << c.expectedTotal;
        store.reopen();
        const StatisticsTexts texts = statisticsDisplay(*store.store, Settings(), FakeClock(0), kCzech);
        EXPECT_EQ(texts.total, c.expectedTotal) << (c.stored ? c.stored : "none");
    }
}

TEST(Statistics, UnreadableDobaIsKeptNotOverwritten)
{
    TestStore store;
    store.set("Obecne", "Doba", "dlouho");
    Settings settings;
    settings.Prevedeno = 3;
    EXPECT_FALSE(saveStatistics(*store.store, settings, FakeClock(60 * kSecond), kCzech));
    EXPECT_EQ(store.get("Obecne", "Doba"), "dlouho");
    EXPECT_EQ(store.get("Obecne", "Prevedeno"), "3");
    const StatisticsTexts texts = statisticsDisplay(*store.store, settings, FakeClock(60 * kSecond), kCzech);
    EXPECT_EQ(texts.total, "0:01:00");  // counted as 0 for the display
    EXPECT_EQ(texts.run, "0:01:00");
}

TEST(Statistics, DisplayShowsCountsAndTimes)
{
    TestStore store;
    store.set("Obecne", "Doba", "0.5");
    Settings settings;
    settings.Spusteno = 12;
    settings.Prevedeno = 345;
    const StatisticsTexts texts = statisticsDisplay(*store.store, settings, FakeClock(725 * kSecond), kCzech);
    EXPECT_EQ(texts.launches, "12 ");
    EXPECT_EQ(texts.conversions, "345 ");
    EXPECT_EQ(texts.total, "12:12:05");
    EXPECT_EQ(texts.run, "0:12:05");
}

TEST(Statistics, ResetStartsCountingAgain)
{
    TestStore store;
    store.set("Obecne", "Doba", "3.5");
    Settings settings;
    settings.Spusteno = 41;
    settings.Prevedeno = 900;
    FakeClock clock(3600 * kSecond);
    resetStatistics(*store.store, settings, clock);
    EXPECT_EQ(store.get("Start", "Spusteno"), "1");
    EXPECT_EQ(store.get("Obecne", "Prevedeno"), "0");
    EXPECT_EQ(store.get("Obecne", "Doba"), "0");
    StatisticsTexts texts = statisticsDisplay(*store.store, settings, clock, kCzech);
    EXPECT_EQ(texts.launches, "1 ");
    EXPECT_EQ(texts.conversions, "0 ");
    EXPECT_EQ(texts.total, "0:00:00");
    EXPECT_EQ(texts.run, "0:00:00");
    // Later in the same run the run time counts from the reset.
    clock.advance(5 * kSecond);
    texts = statisticsDisplay(*store.store, settings, clock, kCzech);
    EXPECT_EQ(texts.run, "0:00:05");
    EXPECT_EQ(texts.total, "0:00:05");
}

TEST(Statistics, CountersGoUpAndStopAtTheirMaximum)
{
    TestStore store;
    Settings settings;
    settings.Spusteno = 41;
    countLaunch(*store.store, settings);
    EXPECT_EQ(settings.Spusteno, 42);
    EXPECT_EQ(store.get("Start", "Spusteno"), "42");
    settings.Spusteno = std::numeric_limits<qint32>::max();
    countLaunch(*store.store, settings);
    EXPECT_EQ(store.get("Start", "Spusteno"), "2147483647");

    countConversion(settings);
    EXPECT_EQ(settings.Prevedeno, 1);
    settings.Prevedeno = std::numeric_limits<qint32>::max();
    countConversion(settings);
    EXPECT_EQ(settings.Prevedeno, std::numeric_limits<qint32>::max());
}

}  // namespace
