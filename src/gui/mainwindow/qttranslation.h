#pragma once

class QCoreApplication;

namespace tolvarin {

// Qt's own texts (message box buttons, file dialogs, the context menus of
// text boxes) in Czech, like the rest of the program. Returns whether Qt's
// Czech translation was found (Debian package qt6-translations-l10n).
bool installCzechQtTranslation(QCoreApplication& application);

}  // namespace tolvarin
