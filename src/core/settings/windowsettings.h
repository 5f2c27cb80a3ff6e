#pragma once

#include "mainwindow/windowlayout.h"
#include "settings/settingsstore.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace tolvarin {

// The main window's placement as the store keeps it, in twips.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 7590;
    int height = 6285;
    int windowState = 0;        // 0 normal, 1 minimised, 2 maximised
    int navigatorWidth = 1700;  // "Vlevo": the left edge of the conversion area
    // No "Vlevo" was stored: the window makes the navigator as wide as its titles need.
    bool navigatorWidthFitted = false;
    bool operator==(const WindowPlacement&) const = default;
};

// The size the main window is designed with: the least a first start gives it.
constexpr int kDesignedWindowWidth = 7590;
constexpr int kDesignedWindowHeight = 6285;
// A stored edge beyond the screen is pulled back this far before the screen's edge.
constexpr int kScreenEdgePullBack = 100;

// Start-up: the placement to restore on the screen's available area, in twips.
// A first start (no stored size) gives the window two thirds of the area's
// width and height, never less than the designed size, centred in the area
// and not above or left of it; state normal; without a stored Vlevo the
// navigator is fitted to its titles (navigatorWidthFitted). A stored placement
// is used as it is, except that a stored Left beyond the area's right edge
// (Top beyond its bottom) is pulled back 100 twips before that edge. A stored
// text that is not a number, a state other than 0..2 or a length beyond the
// int range takes the key's default (start-up skips what fails). Width, height
// and Vlevo are clamped by the window's layout, not here.
WindowPlacement restoredPlacement(const SettingsStore& store, const TwipsRect& screen, const QLocale& locale);

// Exit: "WindowState", then "Left", "Top", "Height", "Width" of the normal
// window, then "Vlevo" (section "Start"), as whole numbers.
void savePlacement(SettingsStore& store, const WindowPlacement& placement);

// The title of built-in topic n (1..26): "Navigator"/"S" + n, default the shipped title.
QString storedBuiltinTitle(const SettingsStore& store, int n);
// The title of user topic n (1..20): "Navigator"/"U" + n; without one, the
// title that the user data file gives (titleFromFile, may be empty), else "Uživatel " + n.
QString storedUserTitle(const SettingsStore& store, int n, const QString& titleFromFile);

// One entry of the navigator's list of user topics: the user topic's number
// (1..20) and the title shown.
struct UserTopicTitle {
    int number = 0;
    QString title;
};

// Exit: builtinTitles[i] goes to "S" + (i + 1); each user topic's title goes
// to "U" + its number, so that the next start finds it again even when the
// user file leaves gaps between the topics it defines.
void saveNavigatorNames(SettingsStore& store, const QStringList& builtinTitles,
                        const QList<UserTopicTitle>& userTitles);

}  // namespace tolvarin
