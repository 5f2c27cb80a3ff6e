#include "settings/windowsettings.h"

#include "catalogue/topictable.h"
#include "settings/settingsrecord.h"
#include "settings/settingvalues.h"

#include <cmath>
#include <limits>

namespace tolvarin {

namespace {

// A stored length in twips, written as a single; the default when it is not
// a number or does not fit an int.
int storedLength(const SettingsStore& store, const char* key, int defaultValue, const QLocale& locale)
{
    const Result<float> value =
        toSingle(store.readText(section::start(), QString::fromLatin1(key), QString::number(defaultValue)), locale);
    if (!value.ok()) return defaultValue;
    const double rounded = std::round(double(value.value()));
    if (std::fabs(rounded) > double(std::numeric_limits<int>::max())) return defaultValue;
    return int(rounded);
}

int storedWholeNumber(const SettingsStore& store, const char* key, int defaultValue, int min, int max,
                      const QLocale& locale)
{
    const Result<qint16> value =
        toInt16(store.readText(section::start(), QString::fromLatin1(key), QString::number(defaultValue)), locale);
    if (!value.ok() || value.value() < min || value.value() > max) return defaultValue;
    return value.value();
}

}  // namespace

WindowPlacement restoredPlacement(const SettingsStore& store, int screenWidth, int screenHeight, const QLocale& locale)
{
    WindowPlacement p;
    p.left = storedLength(store, "Left", screenWidth / 2 - kDesignedWindowWidth / 2, locale);
    if (p.left > screenWidth) p.left = screenWidth - kScreenEdgePullBack;
    p.top = storedLength(store, "Top", screenHeight / 2 - kDesignedWindowHeight / 2, locale);
    if (p.top > screenHeight) p.top = screenHeight - kScreenEdgePullBack;
    p.width = storedLength(store, "Width", kDesignedWindowWidth, locale);
    p.height = storedLength(store, "Height", kDesignedWindowHeight, locale);
    p.windowState = storedWholeNumber(store, "WindowState", 0, 0, 2, locale);
    p.navigatorWidth =
        storedWholeNumber(store, "Vlevo", WindowPlacement().navigatorWidth, std::numeric_limits<qint16>::min(),
                          std::numeric_limits<qint16>::max(), locale);
    return p;
}

void savePlacement(SettingsStore& store, const WindowPlacement& placement)
{
    const QString start = section::start();
    store.writeText(start, QStringLiteral("WindowState"), QString::number(placement.windowState));
    store.writeText(start, QStringLiteral("Left"), QString::number(placement.left));
    store.writeText(start, QStringLiteral("Top"), QString::number(placement.top));
    store.writeText(start, QStringLiteral("Height"), QString::number(placement.height));
    store.writeText(start, QStringLiteral("Width"), QString::number(placement.width));
    store.writeText(start, QStringLiteral("Vlevo"), QString::number(placement.navigatorWidth));
}

QString storedBuiltinTitle(const SettingsStore& store, int n)
{
    return store.readText(section::navigator(), QStringLiteral("S") + QString::number(n), builtinTopicTitle(n));
}

QString storedUserTitle(const SettingsStore& store, int n, const QString& titleFromFile)
{
    const QString fallback = titleFromFile.isEmpty() ? defaultUserTopicTitle(n) : titleFromFile;
    return store.readText(section::navigator(), QStringLiteral("U") + QString::number(n), fallback);
}

void saveNavigatorNames(SettingsStore& store, const QStringList& builtinTitles, const QList<UserTopicTitle>& userTitles)
{
    const QString navigator = section::navigator();
    for (qsizetype i = 0; i < builtinTitles.size(); ++i)
        store.writeText(navigator, QStringLiteral("S") + QString::number(i + 1), builtinTitles[i]);
    for (const UserTopicTitle& user : userTitles)
        if (user.number >= 1 && user.number <= kMaxUserTopics)
            store.writeText(navigator, QStringLiteral("U") + QString::number(user.number), user.title);
}

}  // namespace tolvarin
