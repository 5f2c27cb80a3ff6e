#pragma once

#include "settings/settingsrecord.h"
#include "settings/settingsstore.h"

#include <QLocale>
#include <QString>

namespace tolvarin {

// The data file editor's font as the section "Edit" keeps it.
struct EditorFont {
    QString name;
    float pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool operator==(const EditorFont&) const = default;
};

EditorFont editorFont(const SettingsRecord& settings);
// The record takes the font, and the store its four keys: "FontName",
// "FontSize" (a single in the locale's form), "FontBold" and "FontItalic"
// ("True" or "False").
void saveEditorFont(SettingsStore& store, SettingsRecord& settings, const EditorFont& font, const QLocale& locale);

}  // namespace tolvarin
