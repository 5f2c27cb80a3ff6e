#pragma once

#include "catalogue/datafilelocation.h"
#include "settings/settingsrecord.h"
#include "settings/settingsstore.h"

#include <QLocale>
#include <QString>

#include <functional>

namespace tolvarin {

// What loading the settings does to the main window. The window implements
// it; tests record the calls. The options dialog is not told: it shows the
// settings record.
class SettingsApplier {
public:
    virtual ~SettingsApplier() = default;
    // The grid's lines shown (flat, grey) or hidden.
    virtual void setGridLines(bool shown) = 0;
    // The caption of the own number system's menu entry, e.g. "Vlast&ní (12)".
    virtual void setOwnBaseCaption(const QString& caption) = 0;
    // The caption of the fixed display mode's menu entry, e.g. "Pevný počet (2)".
    virtual void setFixedCaption(const QString& caption) = 0;
    // Clear the check marks of the panels and of "always on top", and release
    // the toolbar buttons "Náhled", "Lupa" and "Info".
    virtual void clearPanelMarks() = 0;
    // Check the preview and press "Náhled".
    virtual void setPreviewOn() = 0;
    // Check the magnifier, press "Lupa" and switch the magnifier on.
    virtual void setMagnifierOn() = 0;
    // Check the information panel, press "Info" and switch the panel on.
    virtual void setInfoPanelOn() = 0;
    // Check "always on top"; the window is not made topmost here.
    virtual void setOnTopMark() = 0;
    // The precision mode 0..3 of the display formats.
    virtual void setPrecisionMode(int mode) = 0;
    // The navigator's list of quantities: 0 large icons, 1 list.
    virtual void setTopicListStyle(int style) = 0;
    // The navigator shows the quantities / the units.
    virtual void showTopicList() = 0;
    virtual void showUnitList() = 0;
    // The data file editor's font.
    virtual void setEditorFont(const QString& name, float pointSize, bool bold, bool italic) = 0;
};

// A stored text that is not of its key's type or lies outside the key's range.
struct SettingProblem {
    QString section;
    QString key;
    QString storedText;
    QString defaultText;  // what the key takes when the problem is ignored
};

// What the user decides about a setting that cannot be loaded.
enum class LoadAnswer {
    Abort,   // stop reading the store: this and every later key but the statistics takes its default
    Retry,   // read the key again
    Ignore,  // skip the key: the field keeps its default and the window is not told
};

// Asked for each problem; the window asks the user "Chyba načítání z registrů."
using SettingProblemQuestion = std::function<LoadAnswer(const SettingProblem&)>;

struct SettingsLoadContext {
    DataFolders dataFolders;                   // where the data files are looked for when none is stored
    QLocale locale;                            // the system's locale: whole numbers and singles may be in its form
    std::function<QString(int)> fixedPattern;  // the display pattern of n fixed decimals; may be empty
};

// Loads the sections "Obecne", "Start" (without the placement) and "Edit" into
// a settings record and applies them to the window, key by key in a fixed
// order. A stored text that cannot be loaded is a problem the question
// decides; after Abort the window is set up for the defaults of the keys not
// read, so that the record and the window agree. The statistics "Spusteno"
// and "Prevedeno" are read even after an Abort.
// Keys whose value indexes a list are checked against their range: Fix 0..9,
// Uroven 0..3, Presnost 0..3, Tema -1..26, FontSize above 0 up to 2048.
// NumBase, NumBaseDec and ZCitlivost take any whole number: their commands
// refuse a value they cannot use with their range message.
SettingsRecord loadSettings(const SettingsStore& store, SettingsApplier& applier, const SettingProblemQuestion& ask,
                            const SettingsLoadContext& context);

// The message box that asks about a problem: "Chyba inicializace",
// "Chyba načítání z registrů.", Abort/Retry/Ignore with Retry the default.
QString loadErrorTitle();
QString loadErrorText();
// The question about one key: the text above, the key with its stored value,
// and what each answer does.
QString loadErrorText(const SettingProblem& problem);

}  // namespace tolvarin
