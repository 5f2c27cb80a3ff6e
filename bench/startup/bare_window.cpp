// The yardstick for Tolvarin's start: a bare Qt Widgets window, empty, of
// the size given on the command line (Tolvarin's first-start size).
//   bare_window [WIDTH HEIGHT]

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const int width = arguments.size() > 2 ? arguments[1].toInt() : 506;
    const int height = arguments.size() > 2 ? arguments[2].toInt() : 419;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(width, height);
    window.show();
    return app.exec();
}
