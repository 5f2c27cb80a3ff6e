#include "settings/statistics.h"

#include "settings/settingvalues.h"

#include <cmath>
#include <limits>

namespace tolvarin {

namespace {

qint32 plusOne(qint32 count)
{
    return count == std::numeric_limits<qint32>::max() ? count : count + 1;
}

double runLengthDays(const RunClock& clock)
{
    return double(clock.elapsedMs()) / kMsPerDay;
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

void countLaunch(SettingsStore& store, SettingsRecord& settings)
{
    settings.launchCount = plusOne(settings.launchCount);
    store.writeText(section::start(), QStringLiteral("Spusteno"), QString::number(settings.launchCount));
}

void countConversion(SettingsRecord& settings)
{
    settings.conversionCount = plusOne(settings.conversionCount);
}

std::optional<double> storedTotalDays(const SettingsStore& store, const QLocale& locale)
{
    const Result<double> days =
        toDays(store.readText(section::general(), QStringLiteral("Doba"), QStringLiteral("0")), locale);
    if (!days.ok()) return std::nullopt;
    return days.value();
}

bool saveStatistics(SettingsStore& store, const SettingsRecord& settings, const RunClock& clock, const QLocale& locale)
{
    store.writeText(section::general(), QStringLiteral("Prevedeno"), QString::number(settings.conversionCount));
    const std::optional<double> totalDays = storedTotalDays(store, locale);
    if (!totalDays) return false;
    store.writeText(section::general(), QStringLiteral("Doba"), daysText(*totalDays + runLengthDays(clock)));
    return true;
}

void resetStatistics(SettingsStore& store, SettingsRecord& settings, RunClock& clock)
{
    settings.launchCount = 1;
    store.writeText(section::start(), QStringLiteral("Spusteno"), QStringLiteral("1"));
    settings.conversionCount = 0;
    store.writeText(section::general(), QStringLiteral("Prevedeno"), QStringLiteral("0"));
    clock.restart();
    store.writeText(section::general(), QStringLiteral("Doba"), QStringLiteral("0"));
}

QString durationText(double days)
{
    const double seconds = std::round(days * 86400.0);
    // Beyond a million years the text would only mislead.
    if (!std::isfinite(seconds) || std::fabs(seconds) > 3.2e13) return QStringLiteral("?");
    qint64 total = qint64(seconds);
    const QString sign = total < 0 ? QStringLiteral("-") : QString();
    total = total < 0 ? -total : total;
    const qint64 wholeDays = total / 86400;
    const qint64 hours = total / 3600 % 24;
    const QString clock = QString::number(hours) + QLatin1Char(':') + twoDigits(total / 60 % 60) + QLatin1Char(':') +
                          twoDigits(total % 60);
    if (wholeDays == 0) return sign + clock;
    return sign + QString::number(wholeDays) + QStringLiteral(" d ") + clock;
}

StatisticsTexts statisticsDisplay(const SettingsStore& store, const SettingsRecord& settings, const RunClock& clock,
                                  const QLocale& locale)
{
    const double run = runLengthDays(clock);
    return {QString::number(settings.launchCount) + QLatin1Char(' '),
            QString::number(settings.conversionCount) + QLatin1Char(' '),
            durationText(storedTotalDays(store, locale).value_or(0.0) + run), durationText(run)};
}

}  // namespace tolvarin
