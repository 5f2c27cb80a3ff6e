#pragma once

#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace tolvarin {

// The dialogs of the data file editor; tests answer them directly.
class EditorDialogs {
public:
    virtual ~EditorDialogs() = default;
    // The font dialog; nothing when the user cancels.
    virtual std::optional<QFont> chooseFont(const QFont& current, QWidget* parent) = 0;
    // The prompt "Najít" for a text to find; nothing when the user cancels.
    virtual std::optional<QString> askFindText(QWidget* parent) = 0;
};

// QFontDialog and QInputDialog.
class QtEditorDialogs : public EditorDialogs {
public:
    std::optional<QFont> chooseFont(const QFont& current, QWidget* parent) override;
    std::optional<QString> askFindText(QWidget* parent) override;
};

}  // namespace tolvarin
