#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafileedit.h"
#include "settings/editorfont.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace tolvarin {

class CommandSurfaces;
class EditorDialogs;
class MessageSink;

// The built-in editor of the data files: the text of the main or the user
// file in a plain text box laid over the conversion panel. While it is shown
// the window is in edit mode: the commands switch, the title line names the
// file and the status bar shows one text. Save writes the file in the
// encoding it was read in and reloads the catalogue; Close returns to the
// topic that was open before. Unsaved edits are never dropped without asking.
class DataFileEditor : public QObject {
    Q_OBJECT

public:
    // What the editor needs of the main window.
    struct Window {
        CommandSurfaces* commands = nullptr;  // the edit mode's commands and the status bar
        QLabel* title = nullptr;              // the title line over the conversion area
        MessageSink* messages = nullptr;
        const DataFileConfig* files = nullptr;  // where the data files are
        EditorDialogs* dialogs = nullptr;       // the font dialog and the find prompt
        std::function<int()> currentTopic;
        std::function<void()> reload;                   // rebuilds the catalogue after a save
        std::function<void(bool editing)> modeChanged;  // the window lays itself out for the mode
        std::function<void(int slot)> returnToTopic;    // after closing: the topic open before editing
        // Where a copy of a file the user cannot write is saved, and the
        // window told that the copy is the data file from now on.
        std::function<QString(const QString& fileName)> copyPath;
        std::function<void(DataFileKind file, const QString& path)> fileMoved;
    };

    // The text box is a hidden child of parent until a file is opened.
    DataFileEditor(Window window, QWidget* parent);

    // Edit mode: a file is open in the editor.
    bool isEditing() const { return editing_; }
    // The text differs from the file as last read or saved.
    bool isModified() const;
    DataFileKind file() const { return file_; }
    QString filePath() const { return path_; }
    TextEncoding encoding() const { return encoding_; }
    // The text box, e.g. to print its text; empty while not editing.
    QPlainTextEdit* textEdit() const { return text_; }

    // Reads and shows a data file. A file that cannot be read is reported and
    // the window stays as it was; unsaved edits of an open file are offered
    // for saving first.
    void open(DataFileKind file);
    // Writes the text, then reloads the catalogue; false when nothing was
    // written (reported) or the user declined.
    bool save();
    // Leaves edit mode after asking about unsaved edits.
    void close();
    // Before the program ends: asks about unsaved edits (save, drop them or
    // stay); false when the program is to go on.
    bool confirmUnsavedChanges();

    // A topic opened while editing: the caret goes to the first line of the
    // topic's records when the open file holds them.
    void showTopic(int slot);
    // "Najít" while editing: asks for a text and selects it after the caret.
    void find();
    // "Písmo...": the font dialog; the chosen font is shown at once and given
    // back for the settings (a pixel size as the point size it amounts to).
    std::optional<EditorFont> chooseFont();
    // The font from the settings; a family the system lacks gives way to the
    // system's fixed font at the stored size.
    void setFont(const EditorFont& font);

    // The place of the conversion panel.
    void setGeometry(const QRect& rect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setEditing(bool editing);
    bool writeText();
    DataFileWrite writeCopy(const QByteArray& bytes);
    void showStatus();

    Window window_;
    QPlainTextEdit* text_;
    QLabel* status_;
    DataFileKind file_ = DataFileKind::Main;
    QString path_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    EditedDataFile original_;  // the lines and line ends as last read or written
    int topicBefore_ = 0;
    bool editing_ = false;
    QString statusNote_;  // e.g. a text that was not found
};

}  // namespace tolvarin
