#include "mainwindow/windowplacement.h"

#include "mainwindow/windowlayout.h"

#include <QGuiApplication>
#include <QScreen>

#include <vector>

namespace tolvarin {

void placeWindow(QWidget& window, const WindowPlacement& placement)
{
    const double dpi = window.logicalDpiX();
    const auto twips = [dpi](const QRect& r) {
        return TwipsRect{pixelsToTwips(r.left(), dpi), pixelsToTwips(r.top(), dpi), pixelsToTwips(r.width(), dpi),
                         pixelsToTwips(r.height(), dpi)};
    };
    std::vector<TwipsRect> screens;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) screens.push_back(twips(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) screens.push_back(twips(screen->availableGeometry()));

    const TwipsRect placed =
        placeOnScreens({placement.left, placement.top, placement.width, placement.height}, screens);
    window.resize(twipsToPixels(placed.width, dpi), twipsToPixels(placed.height, dpi));
    window.move(twipsToPixels(placed.left, dpi), twipsToPixels(placed.top, dpi));
}

}  // namespace tolvarin
