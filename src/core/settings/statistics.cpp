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

void countLaunch(SettingsStore& store, Settings& settings)
{
    settings.Spusteno = plusOne(settings.Spusteno);
    store.SaveSetting(section::start(), QStringLiteral("Spusteno"), QString::number(settings.Spusteno));
}

void countConversion(Settings& settings)
{
    settings.Prevedeno = plusOne(settings.Prevedeno);
}

std::optional<double> storedDoba(const SettingsStore& store, const QLocale& locale)
{
    const Result<double> doba =
        toDoba(store.GetSetting(section::obecne(), QStringLiteral("Doba"), QStringLiteral("0")), locale);
    if (!doba.ok()) return std::nullopt;
    return doba.value();
}

bool saveStatistics(SettingsStore& store, const Settings& settings, const RunClock& clock, const QLocale& locale)
{
    store.SaveSetting(section::obecne(), QStringLiteral("Prevedeno"), QString::number(settings.Prevedeno));
    const std::optional<double> doba = storedDoba(store, locale);
    if (!doba) return false;
    store.SaveSetting(section::obecne(), QStringLiteral("Doba"), dobaText(*doba + runLengthDays(clock)));
    return true;
}

void resetStatistics(SettingsStore& store, Settings& settings, RunClock& clock)
{
    settings.Spusteno = 1;
    store.SaveSetting(section::start(), QStringLiteral("Spusteno"), QStringLiteral("1"));
    settings.Prevedeno = 0;
    store.SaveSetting(section::obecne(), QStringLiteral("Prevedeno"), QStringLiteral("0"));
    clock.restart();
    store.SaveSetting(section::obecne(), QStringLiteral("Doba"), QStringLiteral("0"));
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

StatisticsTexts statisticsDisplay(const SettingsStore& store, const Settings& settings, const RunClock& clock,
                                  const QLocale& locale)
{
    const double run = runLengthDays(clock);
    return {QString::number(settings.Spusteno) + QLatin1Char(' '),
            QString::number(settings.Prevedeno) + QLatin1Char(' '),
            durationText(storedDoba(store, locale).value_or(0.0) + run), durationText(run)};
}

}  // namespace tolvarin
