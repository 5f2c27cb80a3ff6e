#pragma once

#include "catalogue/unitcatalogue.h"

#include <QLocale>
#include <QString>

namespace tolvarin {

// Where the data files are and how to read them. Messages name a file by its
// name alone; the readers open the full path.
struct DataFileConfig {
    QString mainPath;
    QString mainName = QStringLiteral("Tolvar.tvd");
    QString userPath;  // empty: no user file
    QString userName = QStringLiteral("User.tvd");
    UnitLevel level = UnitLevel::All;  // the units the main file's reader loads
    QLocale locale;
};

}  // namespace tolvarin
