#include "mainwindow/appicon.h"

#include "mainwindow/svgicon.h"

#include <QCoreApplication>

// The icon lives in the GUI library's resources; their registration has to
// be pulled in explicitly, from outside any namespace.
static int initAppResources()
{
    Q_INIT_RESOURCE(app);
    return 0;
}

namespace tolvarin {

namespace {

QIcon& sharedIcon()
{
    static QIcon icon;
    return icon;
}

// Icons hold pixmaps, which must not outlive the application object.
void dropIcon() { sharedIcon() = QIcon(); }

}  // namespace

QIcon programIcon()
{
    // One icon for the application and every window, so that each size
    // (the window system asks for four) is drawn once.
    QIcon& icon = sharedIcon();
    if (icon.isNull()) {
        static const int registered = initAppResources();
        Q_UNUSED(registered);
        icon = svgIcon(QStringLiteral(":/app/tolvarin.svg"));
        qAddPostRoutine(dropIcon);
    }
    return icon;
}

}  // namespace tolvarin
