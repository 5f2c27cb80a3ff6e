#include "mainwindow/conversionpanel.h"

#include "conversion/conversiongrid.h"
#include "mainwindow/infolinelabel.h"
#include "mainwindow/windowlayout.h"

#include <QMouseEvent>
#include <QStyle>

namespace tolvarin {

namespace {

QRect toPixels(const TwipsRect& r, double dpi)
{
    return QRect(twipsToPixels(r.left, dpi), twipsToPixels(r.top, dpi), twipsToPixels(r.width, dpi),
                 twipsToPixels(r.height, dpi));
}

}  // namespace

ConversionPanel::ConversionPanel(QWidget* parent)
    : QWidget(parent), grid_(new ConversionGrid(this)), infoLine_(new InfoLineLabel(this)), marker_(new QToolButton(this))
{
    setObjectName(QStringLiteral("conversionPanel"));
    marker_->setObjectName(QStringLiteral("moreUnitsMarker"));
    marker_->setArrowType(Qt::UpArrow);
    marker_->setAutoRaise(true);
    marker_->setToolTip(QStringLiteral("Další jednotky"));
    marker_->hide();
}

void ConversionPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const double dpi = logicalDpiX();
    const int scrollBarTwips = pixelsToTwips(style()->pixelMetric(QStyle::PM_ScrollBarExtent), dpi);
    const ConversionPanelLayout layout =
        computeConversionPanelLayout(pixelsToTwips(width(), dpi), pixelsToTwips(height(), dpi), scrollBarTwips);
    grid_->setGeometry(toPixels(layout.grid, dpi));
    infoLine_->setGeometry(toPixels(layout.infoLine, dpi));
    infoLine_->setAvailableWidth(twipsToPixels(layout.grid.width - 300, dpi));
    marker_->setGeometry(toPixels(layout.marker, dpi));
    for (int column = 0; column < 3; ++column) grid_->setColumnWidth(column, twipsToPixels(layout.columnWidths[column], dpi));
    visibleRows_ = grid_->visibleRowCount();
}

void ConversionPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) emit rightPressed(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

}  // namespace tolvarin
