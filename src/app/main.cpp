#include "mainwindow/appicon.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/qttranslation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(tolvarin::programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.tolvarin.Tolvarin"));
    tolvarin::installCzechQtTranslation(app);
    tolvarin::MainWindow window;
    if (!window.startUp(app.arguments())) return 0;
    return app.exec();
}
