#include "settings/editorfont.h"

#include "conversion/decimaltext.h"
#include "settings/settingvalues.h"

namespace tolvarin {

EditorFont editorFont(const SettingsRecord& settings)
{
    return {settings.editorFontName, settings.editorFontSize, settings.editorFontBold, settings.editorFontItalic};
}

void saveEditorFont(SettingsStore& store, SettingsRecord& settings, const EditorFont& font, const QLocale& locale)
{
    settings.editorFontName = font.name;
    settings.editorFontSize = font.pointSize;
    settings.editorFontBold = font.bold;
    settings.editorFontItalic = font.italic;
    const QString edit = section::edit();
    store.writeText(edit, QStringLiteral("FontName"), font.name);
    store.writeText(edit, QStringLiteral("FontSize"), singleText(font.pointSize, locale));
    store.writeText(edit, QStringLiteral("FontBold"), booleanText(font.bold));
    store.writeText(edit, QStringLiteral("FontItalic"), booleanText(font.italic));
}

}  // namespace tolvarin
