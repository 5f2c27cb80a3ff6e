#include "output/printcommand.h"
#include "output/printdialog.h"
#include "output/printeraccess.h"

#include "support/windowfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTextBlock>

using namespace tolvarin;
using namespace tolvarin::test;

namespace {

// Prints into a PDF file and accepts the print dialog as preselected.
class PdfPrinter : public PrinterAccess {
public:
    QPrinter& printer() override { return printer_; }
    bool hasPrinter() const override { return true; }
    bool choose(QWidget*, QAbstractPrintDialog::PrintDialogOptions options,
                QAbstractPrintDialog::PrintRange range) override
    {
        asked.push_back({options, range});
        printer_.setPrintRange(QPrinter::PrintRange(range));
        return true;
    }
    QPrinter printer_{QPrinter::HighResolution};
    std::vector<std::pair<QAbstractPrintDialog::PrintDialogOptions, QAbstractPrintDialog::PrintRange>>
        asked;  // by the dialog
};

// CI installs pdftotext (poppler-utils); a local run without it skips the check of the printed text.
#define SKIP_WITHOUT_PDFTOTEXT()                                                                \
    if (QStandardPaths::findExecutable(u("pdftotext")).isEmpty()) {                             \
        ASSERT_NE(qgetenv("CI"), QByteArray("true")) << "pdftotext (poppler-utils) is missing"; \
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";                           \
    }

class PrintTest : public MainWindowTest {
protected:
    // Topic 3 has the most units a topic can hold.
    QStringList mainFileLines() const override
    {
        QStringList lines = mainTestFile() << u("3|krychlový metr|m³|1||True");
        for (int i = 2; i <= 150; ++i) lines << u("3|jednotka %1|j%1|%1|").arg(i);
        return lines;
    }
    void adjustOptions(MainWindowOptions& options) override
    {
        pdf.printer_.setOutputFileName(folder.path(u("tisk.pdf")));  // a PDF file
        options.print = {outputFolder, &pdf};
    }

    const PrintDialog::Controls& open()
    {
        action(Command::Print)->trigger();
        dialog = window->printing()->dialog();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog->controls();
    }
    // Chooses the device, the output and the font size, then OK.
    void output(PrintDialog::Device device, OutputKind kind, int points = 9)
    {
        const PrintDialog::Controls& c = open();
        (device == PrintDialog::Device::File ? c.file : c.printer)->click();
        c.kinds[size_t(kind)]->click();
        c.fontSize->setValue(points);
        c.ok->click();
    }
    QString outputFile() const { return QString::fromUtf8(fileBytes(window->printing()->outputFile().path())); }
    QString pdfText() const
    {
        QProcess process;
        process.start(u("pdftotext"), {u("-layout"), pdf.printer_.outputFileName(), u("-")});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // A long folder name: the dialog's label shortens it.
    const QString outputFolder = folder.path(u("výstupní složka s dlouhým názvem, aby se cesta nevešla do okna"));
    PdfPrinter pdf;
    PrintDialog* dialog = nullptr;
};

TEST_F(PrintTest, SavedTableEnablesFileContentWhichPrintsOnSeveralPages)
{
    window->openTopic(3);
    typeInto(0, u("1"));
    const PrintDialog::Controls& c = open();
    EXPECT_FALSE(c.kinds[size_t(OutputKind::FileContent)]->isEnabled());
    EXPECT_EQ(c.fileLength->text(), u("TOLVAR.ASC neexistuje"));
    c.separate->click();
    output(PrintDialog::Device::File, OutputKind::Table);
    const QStringList saved = outputFile().split(u("\r\n"));
    ASSERT_EQ(saved.size(), 152);  // the separator, 150 rows and the end of the last line (their layout: core tests)
    EXPECT_EQ(saved[0], QString(60, u'-'));

    open();
    EXPECT_TRUE(c.kinds[size_t(OutputKind::FileContent)]->isEnabled());
    EXPECT_EQ(c.fileLength->text(), u("TOLVAR.ASC %1 B").arg(outputFile().toUtf8().size()));
    output(PrintDialog::Device::Printer, OutputKind::FileContent, 14);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.messages.isEmpty());
    SKIP_WITHOUT_PDFTOTEXT();
    EXPECT_GE(pdfText().count(u'\f'), 3);
    EXPECT_EQ(pdfText().simplified(), outputFile().simplified());  // every word of every line, in order
}

TEST_F(PrintTest, FileChoiceHidesFileContentAndShowsWhereTheFileLives)
{
    ASSERT_EQ(window->printing()->outputFile().write({u("metr")}, OutputFile::Write::Append, false), std::nullopt);
    const PrintDialog::Controls& c = open();
    c.kinds[size_t(OutputKind::FileContent)]->click();
    c.file->click();
    EXPECT_EQ(dialog->kind(), OutputKind::CurrentRow);
    EXPECT_TRUE(c.kinds[size_t(OutputKind::FileContent)]->isHidden());
    EXPECT_EQ(c.what->title(), u("Uložit co"));
    const QString whole = u("Soubor: ") + QDir::toNativeSeparators(window->printing()->outputFile().path());
    EXPECT_EQ(c.target->toolTip(), whole);
    EXPECT_TRUE(c.target->text().endsWith(u("TOLVAR.ASC")));  // shortened as the core tests say
    EXPECT_LE(c.target->fontMetrics().horizontalAdvance(c.target->text()), c.target->contentsRect().width());
    c.printer->click();
    EXPECT_FALSE(c.kinds[size_t(OutputKind::FileContent)]->isHidden());
    EXPECT_EQ(c.target->text(), u("Tiskárna: ") + QDir::toNativeSeparators(pdf.printer_.outputFileName()));
    EXPECT_EQ(c.what->title(), u("Tisknout co"));
}

TEST_F(PrintTest, PreviewIsWrittenWholeAndNothingOrAFailureKeepsTheDialogOpen)
{
    output(PrintDialog::Device::File, OutputKind::Table);  // the start screen: no table
    topic(1)->trigger();
    const QString longText = u("Dlouhý text náhledu ") + QString(200, u'x');
    window->showInfoLine(longText, false, Qt::black);
    ASSERT_NE(window->infoLine()->text(), longText);  // cut on the screen
    output(PrintDialog::Device::File, OutputKind::Preview);
    EXPECT_EQ(outputFile(), longText + u("\r\n"));
    window->setPreviewShown(false);
    open();
    EXPECT_EQ(dialog->kind(), OutputKind::CurrentRow);  // "Náhled" cannot be chosen now
    QFile::remove(window->printing()->outputFile().path());
    QDir().mkpath(window->printing()->outputFile().path());  // the file is a folder
    dialog->controls().ok->click();
    pdf.printer_.setOutputFileName(folder.path(u("chybí/tisk.pdf")));
    output(PrintDialog::Device::Printer, OutputKind::CurrentRow);

    ASSERT_EQ(messages.messages.size(), 4);
    EXPECT_EQ(messages.messages[0].text, u("Tabulka je prázdná.\r\nNení co uložit.\r\n"));
    EXPECT_TRUE(messages.messages[1].text.startsWith(u("Chyba při zápisu souboru TOLVAR.ASC\r\n")));
    EXPECT_TRUE(messages.messages[2].text.startsWith(u("Chyba při čtení souboru TOLVAR.ASC\r\n")));  // reopened
    EXPECT_TRUE(messages.messages[3].text.startsWith(u("Chyba při tisku\r\n")));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(PrintTest, EditorPrintsItsSelectionPreselected)
{
    QPlainTextEdit editor(u("1|metr|m|1|\n1|palec|in|0.0254|\n1|stopa|ft|0.3048|"));
    QTextCursor cursor(editor.document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    window->printing()->setEditorText([&editor] { return &editor; });
    action(Command::Print)->trigger();
    ASSERT_EQ(pdf.asked.size(), 1u);
    EXPECT_EQ(pdf.asked[0].second, QAbstractPrintDialog::Selection);
    EXPECT_TRUE(pdf.asked[0].first.testFlag(QAbstractPrintDialog::PrintSelection));
    EXPECT_EQ(window->printing()->dialog(), nullptr);
    SKIP_WITHOUT_PDFTOTEXT();
    EXPECT_EQ(pdfText().simplified(), u("1|palec|in|0.0254| 1"));  // and the page number
}

}  // namespace
