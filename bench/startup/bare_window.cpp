// The yardsticks for Tolvarin's start: a bare Qt Widgets window of the size
// given on the command line (Tolvarin's first-start size), empty, or with
// "text" a menu bar, a line of text and a status bar: the least window that
// starts Qt's font machinery, which an empty window never does.
//   bare_window [WIDTH HEIGHT [text]]

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int width = arguments.size() > 2 ? arguments[1].toInt() : 506;
    const int height = arguments.size() > 2 ? arguments[2].toInt() : 419;
    const bool withText = arguments.size() > 3 && arguments[3] == QLatin1String("text");
    QWidget empty;
    QMainWindow withMenus;
    QWidget& window = withText ? static_cast<QWidget&>(withMenus) : empty;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    if (withText) {
        withMenus.menuBar()->addMenu(QStringLiteral("&Soubor"))->addAction(QStringLiteral("&Konec"));
        withMenus.setCentralWidget(new QLabel(QStringLiteral("Převod fyzikálních jednotek")));
        withMenus.statusBar()->showMessage(QStringLiteral("Připraven"));
    }
    window.resize(width, height);
    window.show();
    return app.exec();
}
