#pragma once

#include <QList>
#include <QLocale>
#include <QObject>

class QAction;

namespace tolvarin {

class ClipboardAccess;
class ConversionGrid;
class ConversionView;

// Copy and paste of the grid's values. Only plain text goes through the
// clipboard.
class ClipboardCommands : public QObject {
    Q_OBJECT

public:
    // The actions that copy and that paste; updateEnabled enables them.
    struct Surfaces {
        QAction* copy = nullptr;
        QAction* paste = nullptr;
    };

    ClipboardCommands(ConversionGrid* grid, ConversionView* view, ClipboardAccess& clipboard, const QLocale& locale,
                      const Surfaces& surfaces, QObject* parent = nullptr);
    ~ClipboardCommands() override;

    // Copies the current value cell's text as it is shown.
    void copy();
    // With the editor closed, commits the clipboard's text into the current
    // row at once (the conversion's own rules and failure message apply, and
    // a refused text gives the cell its previous text back). With the editor
    // open, only replaces the editor's text.
    void paste();

    // Copy is enabled when the current value cell has a text, Paste when
    // the clipboard holds a number in the locale's format.
    void updateEnabled();
    bool canCopy() const;
    bool canPaste() const;

    // While the data file editor is shown, its own editing applies and both
    // commands do nothing.
    void setDataEditorShown(bool shown) { dataEditorShown_ = shown; }

private:
    ConversionGrid* grid_;
    ConversionView* view_;
    ClipboardAccess& clipboard_;
    QLocale locale_;
    Surfaces surfaces_;
    bool dataEditorShown_ = false;
};

}  // namespace tolvarin
