#pragma once

#include "settings/settingsrecord.h"
#include "settings/settingsstore.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tolvarin {

// The length of the current run. Measured with a monotonic clock, so a run
// over midnight (or across a change of the system clock) counts its true length.
class RunClock {
public:
    virtual ~RunClock() = default;
    virtual qint64 elapsedMs() const = 0;
    virtual void restart() = 0;  // the run starts now (start-up, statistics reset)
};

class MonotonicRunClock : public RunClock {
public:
    MonotonicRunClock() { timer_.start(); }
    qint64 elapsedMs() const override { return timer_.elapsed(); }
    void restart() override { timer_.restart(); }

private:
    QElapsedTimer timer_;
};

constexpr double kMsPerDay = 86400.0 * 1000.0;

// Start-up: one more launch, written at once. The count stops at its maximum.
void countLaunch(SettingsStore& store, SettingsRecord& settings);
// One more conversion of an entered value; written at exit.
void countConversion(SettingsRecord& settings);

// The stored total running time in days; an unreadable text gives no value.
std::optional<double> storedTotalDays(const SettingsStore& store, const QLocale& locale);

// Exit: "Prevedeno" := the conversion count, "Doba" := stored Doba + this
// run's length in days. An unreadable stored Doba is left as it is (the run's
// time is then lost rather than the total); the result says whether Doba was written.
bool saveStatistics(SettingsStore& store, const SettingsRecord& settings, const RunClock& clock, const QLocale& locale);

// "Vymazat": launches 1, conversions 0, Doba "0", the run starts again now.
void resetStatistics(SettingsStore& store, SettingsRecord& settings, RunClock& clock);

// A time as the options dialog shows it: "0:05:03", hours without a leading
// zero; a day or more as "1 d 2:03:04". Rounded to the nearest second.
QString durationText(double days);

// The four texts of the options dialog's tab "Informace".
struct StatisticsTexts {
    QString launches;     // "12 "
    QString conversions;  // "345 "
    QString total;        // stored Doba + run length; an unreadable Doba counts as 0
    QString run;          // run length
};
StatisticsTexts statisticsDisplay(const SettingsStore& store, const SettingsRecord& settings, const RunClock& clock,
                                  const QLocale& locale);

}  // namespace tolvarin
