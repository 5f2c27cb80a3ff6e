#pragma once

#include <QLabel>
#include <QScrollArea>
#include <QWidget>

namespace tolvarin {

// The vertical bar between the navigator and the conversion area.
// Dragging it with the left button moves it; on release it reports its new
// left edge in pixels and the window applies the limits.
class SplitterBar : public QWidget {
    Q_OBJECT

public:
    explicit SplitterBar(QWidget* parent = nullptr);

signals:
    void dragFinished(int left);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setDragColour(bool dragging);

    static constexpr int kNoDrag = 2147483647;
    int anchor_ = kNoDrag;
    bool dragging_ = false;
};

// The magnifier strip: the magnified rows in a large font, scrolled
// sideways when they are wider than the strip.
class MagnifierPanel : public QScrollArea {
    Q_OBJECT

public:
    explicit MagnifierPanel(QWidget* parent = nullptr);

    void setMagnifiedText(const QString& text, int pointSize);
    QString magnifiedText() const { return label_->text(); }

private:
    QLabel* label_;
};

}  // namespace tolvarin
