#pragma once

#include <QToolButton>
#include <QWidget>

namespace tolvarin {

class ConversionGrid;
class InfoLineLabel;

// The grid, the information line under it and the corner marker
// "Další jednotky", laid out by the panel's twips arithmetic on every resize.
class ConversionPanel : public QWidget {
    Q_OBJECT

public:
    explicit ConversionPanel(QWidget* parent = nullptr);

    ConversionGrid* grid() const { return grid_; }
    InfoLineLabel* infoLine() const { return infoLine_; }
    QToolButton* marker() const { return marker_; }
    // The rows that fit in the grid, measured at the last resize.
    int visibleRowCount() const { return visibleRows_; }

signals:
    void rightPressed(const QPoint& globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ConversionGrid* grid_;
    InfoLineLabel* infoLine_;
    QToolButton* marker_;
    int visibleRows_ = 0;
};

}  // namespace tolvarin
