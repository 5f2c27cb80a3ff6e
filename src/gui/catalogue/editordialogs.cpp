#include "catalogue/editordialogs.h"

#include <QFontDialog>
#include <QInputDialog>

namespace tolvarin {

std::optional<QFont> QtEditorDialogs::chooseFont(const QFont& current, QWidget* parent)
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, current, parent, QStringLiteral("Písmo"));
    if (!chosen) return std::nullopt;
    return font;
}

std::optional<QString> QtEditorDialogs::askFindText(QWidget* parent)
{
    const QString title = QStringLiteral("Najít");
    bool chosen = false;
    const QString text = QInputDialog::getText(parent, title, title, QLineEdit::Normal, QString(), &chosen);
    if (!chosen) return std::nullopt;
    return text;
}

}  // namespace tolvarin
