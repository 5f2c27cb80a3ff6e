#pragma once

#include <QString>

namespace tolvarin {

// The title of message boxes and the first word of the window caption.
inline QString appTitle() { return QStringLiteral("Tolvarin"); }

// "Tolvarin 1.0": the caption of the main window, versions from the build.
inline QString appCaption()
{
    return appTitle() + QLatin1Char(' ') + QString::number(TOLVARIN_VERSION_MAJOR) + QLatin1Char('.') +
           QString::number(TOLVARIN_VERSION_MINOR);
}

// "1.0.0": the whole version of the build, as the splash shows it.
inline QString appVersion() { return QStringLiteral(TOLVARIN_VERSION); }

}  // namespace tolvarin
