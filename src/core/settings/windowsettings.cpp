#include "settings/windowsettings.h"

#include "catalogue/topictable.h"
#include "settings/settingsrecord.h"
#include "settings/settingvalues.h"

#include <algorithm>
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

WindowPlacement restoredPlacement(const SettingsStore& store, const TwipsRect& screen, const QLocale& locale)
{
    WindowPlacement p;
    p.width = storedLength(store, "Width", std::max(kDesignedWindowWidth, screen.width * 2 / 3), locale);
    p.height = storedLength(store, "Height", std::max(kDesignedWindowHeight, screen.height * 2 / 3), locale);
    const int right = screen.left + screen.width;
    const int bottom = screen.top + screen.height;
    p.left = storedLength(store, "Left", std::max(screen.left, screen.left + screen.width / 2 - p.width / 2), locale);
    if (p.left > right) p.left = right - kScreenEdgePullBack;
    p.top = storedLength(store, "Top", std::max(screen.top, screen.top + screen.height / 2 - p.height / 2), locale);
    if (p.top > bottom) p.top = bottom - kScreenEdgePullBack;
    p.windowState = storedWholeNumber(store, "WindowState", 0, 0, 2, locale);
    constexpr int kNotStored = std::numeric_limits<int>::min();
    const int navigatorWidth = storedWholeNumber(store, "Vlevo", kNotStored, std::numeric_limits<qint16>::min(),
                                                 std::numeric_limits<qint16>::max(), locale);
    p.navigatorWidthFitted = navigatorWidth == kNotStored;
    if (!p.navigatorWidthFitted) p.navigatorWidth = navigatorWidth;
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
