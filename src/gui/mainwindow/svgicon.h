#pragma once

#include <QIcon>
#include <QString>

namespace tolvarin {

// An icon drawn from an SVG file (usually a resource). Unlike Qt's own SVG
// icon engine, which parses the file once to check it, again for every size
// and mode it draws and renders a whole pixmap just to answer a size query,
// this one parses the file once, on its first drawing, and keeps each
// rendered size. Icons that are never shown are never parsed. There is one
// icon per file, shared by every caller, so that each size (the window
// system asks each window's icon for four) is drawn once; the callers name
// only the program's own resources.
QIcon svgIcon(const QString& path);

}  // namespace tolvarin
