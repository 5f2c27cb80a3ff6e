#pragma once

#include <QMainWindow>

namespace tolvarin {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace tolvarin
