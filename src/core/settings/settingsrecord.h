#pragma once

#include <QString>
#include <QtGlobal>

namespace tolvarin {

// The settings record: every stored setting of the sections "Obecne", "Start"
// (except the window placement) and "Edit", as the rest of the program reads
// it. Each field's comment names its key in the store. The initial values are
// the store's defaults; the loader starts from them, so a value that cannot
// be loaded leaves its default, never a zero (a base or a precision mode of 0
// would be out of range).
struct SettingsRecord {
    // "Obecne"
    QString mainFileName = QStringLiteral("Tolvar.tvd");  // File
    QString mainFilePath;                                 // Path; default: the program's folder + "/" + File
    QString userFileName = QStringLiteral("User.tvd");    // FileUser
    QString userFilePath;                                 // PathUser; default: the program's folder + "/" + FileUser
    qint32 confirmExit = 1;                               // SafeEnd: ask "Ukončit program?" (1) or not (0)
    qint16 fractionSensitivity = 3;                       // ZCitlivost
    QString fixedDecimalsText = QStringLiteral("2");      // Fix, the stored text, blanks included
    qint16 unitLevel = 0;                                 // Uroven: 0 all units, 1..3 a level
    bool previewShown = true;                             // Nahled
    bool magnifierShown = false;                          // Lupa
    bool infoPanelShown = false;                          // Informace
    bool alwaysOnTop = false;                             // OnTop
    qint16 precisionMode = 0;                             // Presnost
    QString topicListStyle = QStringLiteral("Seznam");    // Veliciny: "Ikony" or "Seznam"
    QString navigatorPage = QStringLiteral("Veliciny");   // Navigator: "Veliciny" or "Jednotky"
    qint32 colourEnteredCell = 1;                         // Colored: the entered value's cell in its colour (1)
    qint32 enteredCellColour = -2147483634;  // ColoredColor; 0x8000000E, the system colour of highlighted text
    qint32 conversionCount = 0;              // Prevedeno

    // "Start"
    qint32 singleInstance = 0;  // OnlyOne: allow one running program only (1)
    qint16 gridLines = 0;       // Grid: 1 shows the grid's lines
    qint16 ownBase = 12;        // NumBase
    qint16 ownBasePlaces = 6;   // NumBaseDec
    qint16 startTopic = 0;      // Tema: 0 or -1 the start screen, 1..26 a built-in topic
    qint32 launchCount = 0;     // Spusteno

    // "Edit"
    QString editorFontName = QStringLiteral("MS Sans Serif");  // FontName
    float editorFontSize = 8;                                  // FontSize
    bool editorFontBold = false;                               // FontBold
    bool editorFontItalic = false;                             // FontItalic

    // Derived from Fix: its number of decimals and the display pattern built
    // from it (left empty when the loader is given no pattern builder).
    qint16 fixedDecimals = 2;
    QString fixedPattern;

    bool operator==(const SettingsRecord&) const = default;
};

// The sections of the store.
namespace section {
inline QString general()
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

// The stored grid setting: 1 shows the conversion grid's lines, any other
// value hides them.
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
