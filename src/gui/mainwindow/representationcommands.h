#pragma once

#include "numbers/representation.h"

#include <QColor>
#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>

namespace tolvarin {

class CommandSurfaces;
class ConversionGrid;

// The menu "Aktuální jako" and the toolbar button "Jako" with its drop-down
// and remembered choice. Each command shows the current cell's value in one
// line of the information line; the arithmetic is the core's.
class RepresentationCommands : public QObject {
    Q_OBJECT

public:
    struct Target {
        CommandSurfaces* commands = nullptr;
        ConversionGrid* grid = nullptr;
        QLocale locale;
        const RepresentationSettings* settings = nullptr;
        // Writes the information line; an important text goes to a message box
        // while the line is hidden.
        std::function<void(const QString& text, bool important, const QColor& colour)> showInfoLine;
        // Shows a result in the magnifier when the magnifier is on.
        std::function<void(const QString& text)> magnify;
    };

    explicit RepresentationCommands(Target target, QObject* parent = nullptr);

    // The current cell's value in one representation.
    void showAs(Representation representation);
    // Entry 0..4 of the menu's number systems; other indexes do nothing.
    void showNumberSystem(int menuIndex);

    // The "Jako" button: repeats the remembered representation.
    void repeatRemembered();
    // An entry of the "Jako" drop-down: runs it and gives the button the
    // entry's picture; a remembered entry also becomes the button's choice
    // and tooltip. False for keys that are not entries of "Jako".
    bool asEntryClicked(const QString& key);
    // One of "Binarne", "Oktalne", "Hexadecimalne", "Zlomek", "Rimsky".
    QString remembered() const { return remembered_; }

private:
    bool runEntry(const QString& key);
    QString currentCellText();

    Target target_;
    QString remembered_ = QStringLiteral("Binarne");
};

}  // namespace tolvarin
