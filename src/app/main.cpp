#include "mainwindow/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    tolvarin::MainWindow window;
    if (!window.startUp(app.arguments())) return 0;
    return app.exec();
}
