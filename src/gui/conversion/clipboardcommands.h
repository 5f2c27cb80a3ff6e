#pragma once

#include <QList>
#include <QLocale>
#include <QObject>

class QAction;

namespace tolvarin {

class ClipboardAccess;
class ConversionGrid;
class ConversionView;

// Copy and paste of the grid's values (mnuKopirovat, mnuVlozit and their
// toolbar buttons). Only plain text goes through the clipboard.
class ClipboardCommands : public QObject {
    Q_OBJECT

public:
    // The actions that copy and that paste (menu entry and toolbar button);
    // RefreshClipboardCommands enables them.
    struct Surfaces {
        QList<QAction*> copy;
        QList<QAction*> paste;
    };

    ClipboardCommands(ConversionGrid* grid, ConversionView* view, ClipboardAccess& clipboard, const QLocale& locale,
                      const Surfaces& surfaces, QObject* parent = nullptr);
    ~ClipboardCommands() override;

    // Copies the current value cell's text as it is shown.
    void mnuKopirovat_Click();
    // With the editor closed, commits the clipboard's text into the current
    // row at once (the conversion's own rules and failure message apply, and
    // a refused text gives the cell its previous text back). With the editor
    // open, only replaces the editor's text.
    void mnuVlozit_Click();

    // Copy is enabled when the current value cell has a text, Paste when
    // the clipboard holds a number in the locale's format.
    void RefreshClipboardCommands();
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
