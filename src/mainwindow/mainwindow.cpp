#include "mainwindow/mainwindow.h"

#include "common/apptitle.h"

namespace tolvarin {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(appCaption());
    resize(506, 419);
}

}  // namespace tolvarin
