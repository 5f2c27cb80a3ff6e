#include "mainwindow/infolinelabel.h"

#include <QMouseEvent>

namespace tolvarin {

QString fitInfoText(const QString& text, int maxWidth, const std::function<int(const QString&)>& widthOf)
{
    QString caption = text;
    bool cut = false;
    while (!caption.isEmpty() && widthOf(caption) > maxWidth) {
        caption = caption.left(caption.size() - 2).trimmed();
        cut = true;
    }
    return cut ? caption + QStringLiteral("…") : caption;
}

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

void InfoLineLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) emit rightReleased(event->globalPosition().toPoint());
    QLabel::mouseReleaseEvent(event);
}

}  // namespace tolvarin
