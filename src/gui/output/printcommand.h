#pragma once

#include "common/messagesink.h"
#include "output/outputfile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QWidget;

namespace tolvarin {

class PrintDialog;
class PrinterAccess;
class TopicModel;

// Where the print command writes and prints.
struct PrintServices {
    QString outputFolder;              // the folder of TOLVAR.ASC; default: the user's data folder
    PrinterAccess* printer = nullptr;  // default: the system's printers and print dialog
};

// The print command "Tisk": while the data file editor is open it prints the
// editor's text (or its selection) through the print dialog; otherwise it
// opens the dialog "Tisk", whose OK prints the chosen output or writes it to
// the output file TOLVAR.ASC. A failure keeps the dialog open.
class PrintCommand : public QObject {
    Q_OBJECT

public:
    // What the outputs read, at the moment of output.
    struct Sources {
        const TopicModel* model = nullptr;
        std::function<int()> currentRow;
        std::function<QString()> previewText;  // the short preview's whole text
        std::function<bool()> previewShown;
    };

    PrintCommand(Sources sources, const PrintServices& services, MessageSink& messages, QWidget* window);
    ~PrintCommand() override;

    // The data file editor's text while the editor is open, nullptr otherwise.
    void setEditorText(std::function<QPlainTextEdit*()> editorText) { editorText_ = std::move(editorText); }

    void print();

    // The dialog "Tisk" once it has been opened, for tests.
    PrintDialog* dialog() const { return dialog_; }
    const OutputFile& outputFile() const { return file_; }

signals:
    void dialogClosed();

private:
    void openDialog();
    void output();
    bool writeFile();
    bool printOutput();
    bool printerReady();
    void setUpPrinter();
    void printEditorText(QPlainTextEdit* editor);

    Sources sources_;
    OutputFile file_;
    std::unique_ptr<PrinterAccess> ownPrinter_;
    PrinterAccess* printer_;
    MessageSink& messages_;
    QWidget* window_;
    PrintDialog* dialog_ = nullptr;
    std::function<QPlainTextEdit*()> editorText_;
};

}  // namespace tolvarin
