#pragma once

#include <QString>

namespace tolvarin {

// What one command of the "Aktuální jako" menu shows. The window passes the
// text to ShowInfoLine (red when isRangeError, black otherwise) and, unless
// it is a range error, also to the magnifier and gives the grid the focus.
struct RepresentationResult {
    // False when the cell is empty or holds no number: the command shows
    // nothing and only gives the grid the focus.
    bool hasResult = false;
    QString text;
    // ShowInfoLine's flag: an important text goes to a message box while the
    // information line is hidden.
    bool important = false;
    // The range message: shown in red and important; the magnifier keeps its
    // caption and the focus stays where it is.
    bool isRangeError = false;

    static RepresentationResult none() { return {}; }
    static RepresentationResult shown(const QString& text, bool important) { return {true, text, important, false}; }
    static RepresentationResult rangeError(const QString& text) { return {true, text, true, true}; }
};

}  // namespace tolvarin
