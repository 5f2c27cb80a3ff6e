#pragma once

#include "settings/settingsrecord.h"
#include "settings/settingsstore.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace tolvarin {

// The four number boxes of the options dialog and the whole numbers each takes.
enum class NumberBox { OwnBase, OwnBasePlaces, FractionPlaces, FixedDecimals };

struct NumberRange {
    int minimum;
    int maximum;
};
NumberRange numberRange(NumberBox box);  // 2..32, 1..16, 1..9, 0..9

// The number in a box: a whole number in plain digits with an optional sign,
// blanks around it allowed, within the range (both bounds included).
// Anything else ("", "3,9", "2.5", "1e1", "12a") is refused.
std::optional<int> readWholeNumber(const QString& text, NumberRange range);

// "Musí být číslo mezi 2 a 32": what the user is told about a refused box.
QString numberRangeMessage(NumberRange range);

// Everything the options dialog shows and the user can change. The window
// fills it when the dialog opens; the dialog gives it back on OK.
struct OptionsValues {
    // "Obecné"
    QString mainFilePath;
    QString mainFileName;
    QString userFilePath;
    QString userFileName;
    bool confirmExit = true;
    // "Zobrazení"
    bool unitsShown = false;  // the navigator shows the units (else the quantities)
    bool largeIcons = false;  // the quantities as large icons (else a list)
    bool previewShown = true;
    bool magnifierShown = false;
    bool infoPanelShown = false;
    bool alwaysOnTop = false;
    int level = 0;  // 0 all units, 1..3 a level; -1 none chosen
    // "Formát": the number boxes as typed
    QString ownBaseText;
    QString ownBasePlacesText;
    QString fractionPlacesText;
    QString fixedDecimalsText;
    bool colourEnteredCell = true;
    qint32 enteredCellColour = 0;  // the store's 32-bit colour value
    bool rowMarking = false;       // marking rows with Ins: a command of the window, not stored
    int precisionMode = 0;
    // "Po startu"
    bool gridLines = false;
    bool singleInstance = false;
    int startTopic = 0;  // 0 the start screen, 1..26 a built-in topic; -1 none chosen

    bool operator==(const OptionsValues&) const = default;
};

// The values of a settings record as the dialog shows them. The window then
// puts in what it shows itself (panels, level, precision, navigator, marking).
OptionsValues optionsFromSettings(const SettingsRecord& settings);

// The first of the four boxes, in the dialog's order (own base, its places,
// fraction places, fixed decimals), whose text is refused.
std::optional<NumberBox> firstRefusedBox(const OptionsValues& values);

// What the window must do again after OK, in this order.
enum class OptionsEffect {
    GridLines,               // show or hide the grid's lines
    RepresentationSettings,  // own base, its places, fraction places; the own base's menu caption
    FixedFormat,             // the fixed mode's pattern and menu caption
    Preview,                 // the three panels on or off
    Magnifier,
    InfoPanel,
    AlwaysOnTop,     // the window's stacking and its command's check mark
    PrecisionMode,   // rewrites the value column
    TopicListStyle,  // large icons or a list
    NavigatorPage,   // quantities or units
    Colouring,       // the entered value's cell and its colour
    RowMarking,      // the marking command's check mark
};

struct OptionsOutcome {
    // The first box (in the dialog's order) whose text is refused; when set,
    // nothing else is decided and the dialog stays open.
    std::optional<NumberBox> refused;
    SettingsRecord settings;             // the record to keep and to save
    std::vector<OptionsEffect> effects;  // what changed against the opened values
};

// OK: checks all four number boxes, then takes every value into the record.
// A start topic left as it was opened, and a start topic or a level left
// unchosen (-1), keep their stored values. The colour is the stored value
// carried through the dialog unless the user picked another. The effects are
// what differs from the opened values (the representation settings and the
// fixed format: from the record).
OptionsOutcome acceptOptions(const SettingsRecord& settings, const OptionsValues& opened,
                             const OptionsValues& chosen);

// Writes every key that OK saves, each even when unchanged: the data files,
// SafeEnd, Tema, OnlyOne, Grid, NumBase, NumBaseDec, Uroven, Fix, the panels,
// OnTop, ZCitlivost, Presnost, Veliciny, Navigator, Colored, ColoredColor.
void saveOptions(SettingsStore& store, const SettingsRecord& settings);

}  // namespace tolvarin
