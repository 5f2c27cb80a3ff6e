#pragma once

#include <QColor>
#include <QLabel>


namespace tolvarin {

// The information line under the grid (the short preview). A text
// wider than the line is cut two characters at a time and ends in "…"; the
// tooltip holds the whole text.
class InfoLineLabel : public QLabel {
    Q_OBJECT

public:
    explicit InfoLineLabel(QWidget* parent = nullptr);

    void setInfo(const QString& text, const QColor& colour);
    QString fullText() const { return fullText_; }
    // The width the caption may take, in pixels.
    void setAvailableWidth(int pixels);

signals:
    void textShown(const QString& text);
    void rightReleased(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void refit();

    QString fullText_;
    int availableWidth_ = 0;
};

}  // namespace tolvarin
