#include "settings/statistics.h"

#include "settings/settingvalues.h"
#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/teststore.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <limits>

using namespace tolvarin;
using tolvarin::test::TestStore;
using tolvarin::test::u;

namespace {

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

// "launches conversions total run" as the options dialog shows them.
QString shown(const StatisticsTexts& texts)
{
    return texts.launches + u'|' + texts.conversions + u'|' + texts.total + u'|' + texts.run;
}

TEST(Statistics, ExitAddsTheRunToTheStoredTotal)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/totals.txt"), 4, 5)) {
        TestStore store;
        if (f[0] != u("-")) store.set("Obecne", "Doba", f[0]);
        SettingsRecord settings;
        settings.conversionCount = 7;
        const bool saved = f[2] == u("saved");
        EXPECT_EQ(saveStatistics(*store.store, settings, FakeClock(f[1].toLongLong() * kSecond), kEnglish), saved)
            << test::rowName(f);
        store.reopen();
        EXPECT_EQ(store.get("Obecne", "Prevedeno"), u("7"));
        EXPECT_TRUE(saved || store.get("Obecne", "Doba") == f[0]) << test::rowName(f);
        EXPECT_EQ(statisticsDisplay(*store.store, settings, FakeClock(0), kCzech).total, f[3]) << test::rowName(f);
    }
}

TEST(Statistics, CountersStopAtTheirMaximumAndAResetStartsAgain)
{
    TestStore store;
    store.set("Obecne", "Doba", u("3.5"));
    SettingsRecord settings;
    settings.launchCount = settings.conversionCount = std::numeric_limits<qint32>::max() - 1;
    for (int i = 0; i < 2; ++i) {
        countLaunch(*store.store, settings);  // written at once
        countConversion(settings);            // written at exit
    }
    EXPECT_EQ(store.get("Start", "Spusteno") + u(" ") + QString::number(settings.conversionCount),
              u("2147483647 2147483647"));
    FakeClock clock(3600 * kSecond);
    resetStatistics(*store.store, settings, clock);
    EXPECT_EQ(store.get("Start", "Spusteno") + store.get("Obecne", "Prevedeno") + store.get("Obecne", "Doba"),
              u("100"));
    EXPECT_EQ(shown(statisticsDisplay(*store.store, settings, clock, kCzech)), u("1 |0 |0:00:00|0:00:00"));
    clock.advance(5 * kSecond);  // later in the same run the run time counts from the reset
    EXPECT_EQ(shown(statisticsDisplay(*store.store, settings, clock, kCzech)), u("1 |0 |0:00:05|0:00:05"));
}

}  // namespace
