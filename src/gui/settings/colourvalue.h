#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace tolvarin {

// A colour of the store's 32-bit form as the screen shows it: a system
// colour from the palette, any other value as its red, green and blue.
QColor colourFromStored(qint32 stored, const QPalette& palette);
// A picked colour in the store's form.
qint32 storedFromColour(const QColor& colour);

}  // namespace tolvarin
