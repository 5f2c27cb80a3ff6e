#pragma once

#include <QColor>
#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>

namespace tolvarin {

class CommandSurfaces;
class ConversionGrid;
struct RepresentationResult;

// The settings the representations read: the own base NumBase, its places
// NumBaseDec and the fraction sensitivity ZCitlivost. The window owns them;
// only the options dialog changes them.
struct RepresentationSettings {
    int numBase = 12;
    int numBaseDec = 6;
    int zCitlivost = 3;
};

// The menu "Aktuální jako" (mnuSoustava 0-4, mnuZlomek, mnuLatin) and the
// toolbar button "Jako" with its drop-down and remembered choice. Each
// command shows the current cell's value in one line of the information
// line; the arithmetic is the core's.
class RepresentationCommands : public QObject {
    Q_OBJECT

public:
    struct Target {
        CommandSurfaces* commands = nullptr;
        ConversionGrid* grid = nullptr;
        QLocale locale;
        const RepresentationSettings* settings = nullptr;
        // ShowInfoLine of the window.
        std::function<void(const QString& text, bool important, const QColor& colour)> showInfoLine;
        // Shows a result in the magnifier when the magnifier is on.
        std::function<void(const QString& text)> magnify;
    };

    explicit RepresentationCommands(Target target, QObject* parent = nullptr);

    void mnuSoustava_Click(int index);
    void mnuZlomek_Click();
    void mnuLatin_Click();

    // The "Jako" button: repeats the remembered representation.
    void repeatRemembered();
    // An entry of the "Jako" drop-down: runs it and gives the button the
    // entry's picture; a remembered entry also becomes the button's choice
    // and tooltip. False for keys that are not entries of "Jako".
    bool jakoEntryClicked(const QString& key);
    // One of "Binarne", "Oktalne", "Hexadecimalne", "Zlomek", "Rimsky".
    QString remembered() const { return remembered_; }

private:
    bool runEntry(const QString& key);
    QString currentCellText();
    void show(const RepresentationResult& result);

    Target target_;
    QString remembered_ = QStringLiteral("Binarne");
};

}  // namespace tolvarin
