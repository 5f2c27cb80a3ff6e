#include "output/printcommand.h"

#include "common/apptitle.h"
#include "common/textutil.h"
#include "conversion/topicmodel.h"
#include "output/printdialog.h"
#include "output/printeraccess.h"

#include <QPlainTextEdit>
#include <QPrinter>

namespace tolvarin {

namespace {

using DialogOption = QAbstractPrintDialog::PrintDialogOption;

QString nothingText(NothingToOutput nothing, bool toFile)
{
    QString why;
    switch (nothing) {
        case NothingToOutput::EmptyTable: why = QStringLiteral("Tabulka je prázdná."); break;
        case NothingToOutput::EmptyValue: why = QStringLiteral("Aktuální hodnota je prázdná."); break;
        case NothingToOutput::EmptyPreview: why = QStringLiteral("Krátký náhled je prázdný."); break;
        case NothingToOutput::EmptyFile: why = QStringLiteral("Soubor TOLVAR.ASC je prázdný."); break;
    }
    return joinLines({why, toFile ? QStringLiteral("Není co uložit.") : QStringLiteral("Není co tisknout.")});
}

}  // namespace

PrintCommand::PrintCommand(Sources sources, const PrintServices& services, MessageSink& messages, QWidget* window)
    : QObject(window),
      sources_(std::move(sources)),
      file_(services.outputFolder.isEmpty() ? OutputFile::defaultFolder() : services.outputFolder),
      printer_(services.printer),
      messages_(messages),
      window_(window)
{
    if (!printer_) {
        ownPrinter_ = std::make_unique<SystemPrinterAccess>();
        printer_ = ownPrinter_.get();
    }
}

PrintCommand::~PrintCommand() = default;

void PrintCommand::print()
{
    if (editorText_) {
        if (QPlainTextEdit* editor = editorText_()) {
            printEditorText(editor);
            return;
        }
    }
    openDialog();
}

void PrintCommand::openDialog()
{
    if (!dialog_) {
        dialog_ = new PrintDialog(window_);
        dialog_->setFilePath(file_.path());
        connect(dialog_, &PrintDialog::outputRequested, this, &PrintCommand::output);
        connect(dialog_, &PrintDialog::printerSetupRequested, this, &PrintCommand::setUpPrinter);
        connect(dialog_, &QDialog::finished, this, &PrintCommand::dialogClosed);
    }
    const OutputFileStatus status = file_.status();
    if (status.exists && !status.readable())
        messages_.show(MessageIcon::Critical, appTitle(),
                       joinLines({QStringLiteral("Chyba při čtení souboru TOLVAR.ASC"), status.error}));
    dialog_->prepare(status, sources_.previewShown());
    dialog_->setPrinterName(printerName(printer_->printer()));
    dialog_->open();
}

void PrintCommand::output()
{
    const bool done = dialog_->device() == PrintDialog::Device::File ? writeFile() : printOutput();
    if (done) dialog_->accept();
}

bool PrintCommand::writeFile()
{
    const OutputBlock block =
        outputBlock(dialog_->kind(), *sources_.model, sources_.currentRow(), sources_.previewText());
    if (block.nothing) {
        messages_.show(MessageIcon::Information, appTitle(), nothingText(*block.nothing, true));
        return false;
    }
    const auto mode = dialog_->deletesFile() ? OutputFile::Write::Replace : OutputFile::Write::Append;
    if (const std::optional<QString> error = file_.write(block.lines, mode, dialog_->separates())) {
        messages_.show(MessageIcon::Critical, appTitle(),
                       joinLines({QStringLiteral("Chyba při zápisu souboru TOLVAR.ASC"), *error}));
        return false;
    }
    return true;
}

bool PrintCommand::printOutput()
{
    OutputBlock block;
    if (dialog_->kind() == OutputKind::FileContent) {
        const OutputFileLines content = file_.readLines();
        if (!content.error.isEmpty()) {
            messages_.show(MessageIcon::Critical, appTitle(),
                           joinLines({QStringLiteral("Chyba při čtení souboru TOLVAR.ASC"), content.error}));
            return false;
        }
        block.lines = content.lines;
        if (block.lines.isEmpty()) block.nothing = NothingToOutput::EmptyFile;
    } else {
        block = outputBlock(dialog_->kind(), *sources_.model, sources_.currentRow(), sources_.previewText());
    }
    if (block.nothing) {
        messages_.show(MessageIcon::Information, appTitle(), nothingText(*block.nothing, false));
        return false;
    }
    if (!printerReady()) return false;
    if (const std::optional<QString> error = printLines(printer_->printer(), block.lines, dialog_->pointSize())) {
        messages_.show(MessageIcon::Critical, appTitle(), *error);
        return false;
    }
    return true;
}

// Without a printer the print dialog offers a PDF file; cancelling it prints nothing.
bool PrintCommand::printerReady()
{
    if (printer_->hasPrinter()) return true;
    const bool chosen = printer_->choose(dialog_, DialogOption::PrintToFile, QAbstractPrintDialog::AllPages);
    dialog_->setPrinterName(printerName(printer_->printer()));
    return chosen;
}

void PrintCommand::setUpPrinter()
{
    QAbstractPrintDialog::PrintDialogOptions options;
    if (!printer_->hasPrinter()) options |= DialogOption::PrintToFile;
    if (printer_->choose(dialog_, options, QAbstractPrintDialog::AllPages))
        dialog_->setPrinterName(printerName(printer_->printer()));
}

void PrintCommand::printEditorText(QPlainTextEdit* editor)
{
    const bool selection = editor->textCursor().hasSelection();
    QAbstractPrintDialog::PrintDialogOptions options;
    if (selection) options |= DialogOption::PrintSelection;
    if (!printer_->hasPrinter()) options |= DialogOption::PrintToFile;
    if (!printer_->choose(window_, options,
                          selection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages))
        return;
    QPrinter& printer = printer_->printer();
    editor->print(&printer);
    if (printer.printerState() == QPrinter::Error)
        messages_.show(MessageIcon::Critical, appTitle(),
                       joinLines({QStringLiteral("Chyba při tisku"), QStringLiteral("Tisková úloha se nezdařila.")}));
}

}  // namespace tolvarin
