#pragma once

#include "mainwindow/commandtable.h"
#include "numbers/representation.h"

#include <QColor>
#include <QLocale>
#include <QObject>
#include <QString>

#include <functional>

namespace tolvarin {

class CommandSurfaces;
class ConversionGrid;

// The representations of "Aktuální jako" (AsBinary ... AsRoman) and the
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
        // showInfoLine of the window.
        std::function<void(const QString& text, bool important, const QColor& colour)> showInfoLine;
        // Shows a result in the magnifier when the magnifier is on.
        std::function<void(const QString& text)> magnify;
    };

    explicit RepresentationCommands(Target target, QObject* parent = nullptr);

    // Shows the current value as AsBinary ... AsRoman say; false for other commands.
    bool showAs(Command command);
    // The "Jako" button: repeats the remembered representation.
    void repeatRemembered();
    // A representation chosen from the "Jako" drop-down (it runs as its
    // action is triggered): the button takes its picture, and a remembered
    // one also becomes the button's choice and tooltip.
    void chooseForButton(Command command);
    // One of AsBinary, AsOctal, AsHex, AsFraction, AsRoman.
    Command remembered() const { return remembered_; }

private:
    void show(Representation representation);
    QString currentCellText();

    Target target_;
    Command remembered_ = Command::AsBinary;
};

}  // namespace tolvarin
