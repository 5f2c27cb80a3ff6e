#include "mainwindow/sidepanels.h"

#include <QMouseEvent>
#include <QPainter>

namespace tolvarin {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("splitter"));
    setCursor(Qt::SplitHCursor);
    setToolTip(QStringLiteral("Tažením změníte šířku Navigátoru"));
}

void SplitterBar::setDragColour(bool dragging)
{
    dragging_ = dragging;
    update();
}

// A handle that can be seen: a band a little darker than the window with a
// grip of dots in its middle; while it is dragged, the band darkens.
void SplitterBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Window);
    painter.fillRect(rect(), dragging_ ? palette().color(QPalette::Mid) : window.darker(106));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, 0, height() - 1);
    painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Dark));
    const double x = width() / 2.0;
    for (int i = -2; i <= 2; ++i) painter.drawEllipse(QPointF(x, height() / 2.0 + i * 6), 1.3, 1.3);
}

void SplitterBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    setDragColour(true);
    anchor_ = int(event->position().x());
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event)
{
    if (anchor_ == kNoDrag) return;
    const int x = int(event->position().x());
    if (x != anchor_) move(this->x() + x - anchor_, y());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || anchor_ == kNoDrag) return;
    const int x = int(event->position().x());
    if (x != anchor_) move(this->x() + x - anchor_, y());
    anchor_ = kNoDrag;
    setDragColour(false);
    emit dragFinished(this->x());
}

MagnifierPanel::MagnifierPanel(QWidget* parent) : QScrollArea(parent), label_(new QLabel)
{
    setObjectName(QStringLiteral("magnifier"));
    label_->setObjectName(QStringLiteral("magnifiedText"));
    label_->setTextFormat(Qt::PlainText);
    label_->setMargin(4);
    setWidget(label_);
    setWidgetResizable(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::StyledPanel);
}

void MagnifierPanel::setMagnifiedText(const QString& text, int pointSize)
{
    QFont font = label_->font();
    font.setPointSize(pointSize);
    label_->setFont(font);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    label_->setText(shown);
    label_->adjustSize();
}

}  // namespace tolvarin
