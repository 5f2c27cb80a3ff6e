#pragma once

#include <QString>
#include <QStringList>

namespace tolvarin {

// Joins message parts into one text, each part followed by CR LF; an empty
// part gives an empty line. Every multi-line message is built with it.
QString joinLines(const QStringList& parts);

// Collapses every run of blanks to a single blank; a single leading or
// trailing blank stays.
QString collapseSpaces(const QString& text);

}  // namespace tolvarin
