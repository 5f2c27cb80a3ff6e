#include "output/printeraccess.h"

#include "common/textutil.h"
#include "output/outputlayout.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace tolvarin {

namespace {

constexpr double kMarginMillimetres = 12;

QString printFailure(const QString& reason)
{
    return joinLines({QStringLiteral("Chyba při tisku"), reason});
}

QFont fixedPitchFont(int pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        font.setFamily(QStringLiteral("Monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    font.setPointSize(pointSize);
    return font;
}

}  // namespace

SystemPrinterAccess::SystemPrinterAccess() = default;
SystemPrinterAccess::~SystemPrinterAccess() = default;

QPrinter& SystemPrinterAccess::printer()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool SystemPrinterAccess::hasPrinter() const
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool SystemPrinterAccess::choose(QWidget* parent, QAbstractPrintDialog::PrintDialogOptions options,
                                 QAbstractPrintDialog::PrintRange range)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.setOptions(options);
    dialog.setPrintRange(range);
    return dialog.exec() == QDialog::Accepted;
}

QString printerName(const QPrinter& printer)
{
    if (!printer.outputFileName().isEmpty()) return QDir::toNativeSeparators(printer.outputFileName());
    if (!printer.printerName().isEmpty()) return printer.printerName();
    return QStringLiteral("žádná, tiskne se do souboru PDF");
}

std::optional<QString> printLines(QPrinter& printer, const QStringList& lines, int pointSize)
{
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                           QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return printFailure(QStringLiteral("Tisk na zařízení ") + printerName(printer) +
                            QStringLiteral(" nelze zahájit."));
    painter.setFont(fixedPitchFont(pointSize));
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const int characterWidth = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    const QList<QStringList> pages =
        printedPages(lines, printer.width() / characterWidth, printer.height() / lineHeight);
    bool ok = true;
    for (qsizetype page = 0; page < pages.size() && ok; ++page) {
        if (page > 0) ok = printer.newPage();
        int baseline = metrics.ascent();
        for (const QString& line : pages[page]) {
            painter.drawText(0, baseline, line);
            baseline += lineHeight;
        }
    }
    ok = painter.end() && ok && printer.printerState() != QPrinter::Error;
    if (!ok) return printFailure(QStringLiteral("Tisková úloha se nezdařila."));
    return std::nullopt;
}

}  // namespace tolvarin
