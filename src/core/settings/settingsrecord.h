#pragma once

#include <QString>
#include <QtGlobal>

namespace tolvarin {

// The settings record: every stored setting of the sections "Obecne", "Start"
// (except the window placement) and "Edit", as the rest of the program reads
// it. The initial values are the defaults of the store; LoadSet starts from
// them, so a value that cannot be loaded leaves its default, never a zero
// (a base or a precision mode of 0 would be out of range).
struct Settings {
    // "Obecne"
    QString File = QStringLiteral("Tolvar.tvd");
    QString Path;  // default: the program's folder + "/" + File
    QString FileUser = QStringLiteral("User.tvd");
    QString PathUser;  // default: the program's folder + "/" + FileUser
    qint32 SafeEnd = 1;
    qint16 ZCitlivost = 3;
    QString Fix = QStringLiteral("2");  // the stored text, blanks included
    qint16 Uroven = 0;
    bool Nahled = true;
    bool Lupa = false;
    bool Informace = false;
    bool OnTop = false;
    qint16 Presnost = 0;
    QString Veliciny = QStringLiteral("Seznam");
    QString Navigator = QStringLiteral("Veliciny");
    qint32 Colored = 1;
    qint32 ColoredColor = -2147483634;  // 0x8000000E, the system colour of highlighted text
    qint32 Prevedeno = 0;

    // "Start"
    qint32 OnlyOne = 0;
    qint16 Grid = 0;
    qint16 NumBase = 12;
    qint16 NumBaseDec = 6;
    qint16 Tema = 0;
    qint32 Spusteno = 0;

    // "Edit"
    QString FontName = QStringLiteral("MS Sans Serif");
    float FontSize = 8;
    bool FontBold = false;
    bool FontItalic = false;

    // Derived from Fix: its number of decimals and the display pattern built
    // from it (left empty when LoadSet is given no pattern builder).
    qint16 FixDecimals = 2;
    QString fixPattern;

    bool operator==(const Settings&) const = default;
};

namespace section {
inline QString obecne()
{
    return QStringLiteral("Obecne");
}
inline QString start()
{
    return QStringLiteral("Start");
}
inline QString edit()
{
    return QStringLiteral("Edit");
}
inline QString navigator()
{
    return QStringLiteral("Navigator");
}
}  // namespace section

// The default data file path: the program's folder, "/", the file name.
QString defaultDataFilePath(const QString& programFolder, const QString& fileName);

// SetGrid: 1 shows the conversion grid's lines, any other value hides them.
inline bool gridLinesShown(int grid)
{
    return grid == 1;
}

// "Vlast&ní (12)": the caption of the own number system's menu entry.
QString ownBaseCaption(int base);
// "Pevný počet (4)": the caption of the fixed mode's menu entry, from the
// stored text of Fix with the blanks around it removed.
QString fixedModeCaption(const QString& fixText);

}  // namespace tolvarin
