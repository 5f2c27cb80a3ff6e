#pragma once

#include <QAbstractPrintDialog>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace tolvarin {

// The printer and its print dialog. The window uses the system's printers
// and QPrintDialog; tests print into a PDF file and answer for the dialog.
class PrinterAccess {
public:
    virtual ~PrinterAccess() = default;
    // The printer every print goes to; it keeps the user's choices for the run.
    virtual QPrinter& printer() = 0;
    // Whether the system has a printer at all.
    virtual bool hasPrinter() const = 0;
    // The print dialog over printer() with the range preselected; false when cancelled.
    virtual bool choose(QWidget* parent, QAbstractPrintDialog::PrintDialogOptions options,
                        QAbstractPrintDialog::PrintRange range) = 0;
};

class SystemPrinterAccess : public PrinterAccess {
public:
    SystemPrinterAccess();
    ~SystemPrinterAccess() override;
    QPrinter& printer() override;
    bool hasPrinter() const override;
    bool choose(QWidget* parent, QAbstractPrintDialog::PrintDialogOptions options,
                QAbstractPrintDialog::PrintRange range) override;

private:
    std::unique_ptr<QPrinter> printer_;  // made at the first print: asking the system takes a while
};

// What the dialog "Tisk" calls the printer: its name, or the PDF file it
// prints into.
QString printerName(const QPrinter& printer);

// Prints the lines as they are in the system's fixed-pitch font of
// pointSize, so that columns line up, page after page. The message for the
// user when printing failed.
std::optional<QString> printLines(QPrinter& printer, const QStringList& lines, int pointSize);

}  // namespace tolvarin
