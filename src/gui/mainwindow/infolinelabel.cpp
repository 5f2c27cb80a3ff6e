#include "mainwindow/infolinelabel.h"

#include "mainwindow/windowlayout.h"

#include <QMouseEvent>

namespace tolvarin {

InfoLineLabel::InfoLineLabel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("infoLine"));
    setTextFormat(Qt::PlainText);
}

void InfoLineLabel::setInfo(const QString& text, const QColor& colour)
{
    fullText_ = text;
    setToolTip(text);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    refit();
    emit textShown(text);
}

void InfoLineLabel::setAvailableWidth(int pixels)
{
    availableWidth_ = pixels;
    refit();
}

void InfoLineLabel::refit()
{
    const QFontMetrics metrics(font());
    if (availableWidth_ <= 0) {
        setText(fullText_);
        return;
    }
    setText(fitInfoText(fullText_, availableWidth_,
                        [&metrics](const QString& s) { return metrics.horizontalAdvance(s + QStringLiteral("…")); }));
}

void InfoLineLabel::mousePressEvent(QMouseEvent* event)
{
    // The right button's menu is this line's own: the press does not reach
    // the panel below, whose right button opens "Přejít".
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void InfoLineLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) emit rightReleased(event->globalPosition().toPoint());
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tolvarin
