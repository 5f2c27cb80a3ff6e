#pragma once

#include <QLocale>
#include <QString>

namespace tolvarin {

// The level menu: "Vše" loads every unit; levels 1 to 3 filter by the "+" and
// "*" markers of the main data file.
enum class UnitLevel { All = 0, Level1 = 1, Level2 = 2, Level3 = 3 };

// Where the data files are and how to read them. Messages name a file by its
// name alone; the readers open the full path.
struct DataFileConfig {
    QString mainPath;
    QString mainName = QStringLiteral("Tolvar.tvd");
    QString userPath;  // empty: no user file
    QString userName = QStringLiteral("User.tvd");
    UnitLevel level = UnitLevel::All;
    QLocale locale;
};

}  // namespace tolvarin
