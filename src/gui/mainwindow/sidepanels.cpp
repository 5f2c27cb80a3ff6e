#include "mainwindow/sidepanels.h"

#include <QMouseEvent>

namespace tolvarin {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("splitter"));
    setCursor(Qt::SplitHCursor);
    setAutoFillBackground(true);
    setDragColour(false);
}

void SplitterBar::setDragColour(bool dragging)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, dragging ? palette().color(QPalette::Dark) : palette().color(QPalette::Button));
    setPalette(p);
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
