#include "mainwindow/appicon.h"

#include "mainwindow/svgicon.h"

// The icon lives in the GUI library's resources; their registration has to
// be pulled in explicitly, from outside any namespace.
static int initAppResources()
{
    Q_INIT_RESOURCE(app);
    return 0;
}

namespace tolvarin {

QIcon programIcon()
{
    static const int registered = initAppResources();
    Q_UNUSED(registered);
    return svgIcon(QStringLiteral(":/app/tolvarin.svg"));
}

}  // namespace tolvarin
