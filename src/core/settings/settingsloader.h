#pragma once

#include "common/messagesink.h"
#include "settings/settingsrecord.h"
#include "settings/settingsstore.h"

#include <QLocale>
#include <QString>

#include <functional>

namespace tolvarin {

// What LoadSet does to the main window. The window implements it; tests record
// the calls. The options dialog is not told: it shows the settings record.
class SettingsApplier {
public:
    virtual ~SettingsApplier() = default;
    // SetGrid: the grid's lines shown (flat, grey) or hidden.
    virtual void setGridLines(bool shown) = 0;
    // The caption of mnuSoustava(3), e.g. "Vlast&ní (12)".
    virtual void setOwnBaseCaption(const QString& caption) = 0;
    // The caption of mnuFormatZ(3), e.g. "Pevný počet (2)".
    virtual void setFixedCaption(const QString& caption) = 0;
    // Clear the check marks of mnuNahled, mnuLupa, mnuInfo and mnuOnTop and
    // release the toolbar buttons "Náhled", "Lupa" and "Info".
    virtual void clearPanelMarks() = 0;
    // Check mnuNahled and press "Náhled".
    virtual void setPreviewOn() = 0;
    // Check mnuLupa, press "Lupa" and switch the magnifier on.
    virtual void setMagnifierOn() = 0;
    // Check mnuInfo, press "Info" and switch the information panel on.
    virtual void setInfoPanelOn() = 0;
    // Check mnuOnTop; the window is not made topmost here.
    virtual void setOnTopMark() = 0;
    // The precision mode 0..3.
    virtual void FormatZ(int mode) = 0;
    // The navigator's list of quantities: 0 large icons, 1 list.
    virtual void VelicinyI(int style) = 0;
    // The navigator shows quantities / units.
    virtual void NavigatorV() = 0;
    virtual void NavigatorJ() = 0;
    // The data file editor's font.
    virtual void setEditorFont(const QString& name, float pointSize, bool bold, bool italic) = 0;
};

struct LoadSetContext {
    QString programFolder;                   // the default folder of the data files, without a trailing "/"
    QLocale locale;                          // the system's locale: whole numbers and singles may be in its form
    std::function<QString(int)> fixPattern;  // FixPattern of the display formats; may be empty
};

// Loads the sections "Obecne", "Start" (without the placement) and "Edit" into
// a settings record and applies them to the window, key by key in a fixed order.
//
// A stored text that is not of its key's type, or outside the key's range,
// asks "Chyba načítání z registrů." (Abort/Retry/Ignore, Retry the default):
//  - Retry reads the key again;
//  - Ignore skips it: the field keeps its default and the window is not told;
//  - Abort stops reading the store: this and every later key takes its
//    default, and the window is set up for those defaults, so that the
//    record and the window agree.
// Keys whose value indexes a list are checked against their range: NumBase
// 2..32, NumBaseDec 1..16, ZCitlivost 1..9, Fix 0..9, Uroven 0..3,
// Presnost 0..3, Tema -1..26, FontSize above 0 up to 2048.
Settings LoadSet(const SettingsStore& store, SettingsApplier& applier, MessageSink& messages,
                 const LoadSetContext& context);

// The message of a key that cannot be loaded.
QString loadErrorTitle();  // "Chyba inicializace"
QString loadErrorText();   // "Chyba načítání z registrů."

}  // namespace tolvarin
