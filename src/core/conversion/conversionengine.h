#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"
#include "common/runtimeerror.h"
#include "conversion/displayformat.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace tolvarin {

// The colours of the information line: black for summaries, red for the
// absolute-zero warning.
enum class InfoColour { Black, Red };

// A text for ShowInfoLine. An important text is shown in a message box
// while the information line is hidden.
struct InfoLine {
    QString text;
    InfoColour colour = InfoColour::Black;
    bool important = false;
};

// What the window knows when the in-place editor is committed.
struct CommitRequest {
    int slot = 0;                 // current topic slot
    std::span<const Unit> units;  // the topic's units in grid order (topicUnits)
    int sourceRow = 0;            // grid row of the entered cell, 0-based
    QString enteredText;          // the editor's text
    QStringList column;           // the value column as it stands, one text per unit
    QString textBeforeEdit;       // the cell's text before the edit (editor tag) or the paste
    DisplayFormat format;         // current precision mode and fixed pattern
};

// What the window does after a commit, in this order: write the column
// (every row is given; write them all with drawing off when columnChanged is
// set), ShowInfoLine, rebuild the magnifier while it is on (magnifierText
// with the new column), RecLine, colour the marked row, count, refresh the
// clipboard commands. Before calling commit the window writes the editor's
// text into the cell, hides the editor, and disables the "Jako" button when
// that text is empty.
struct CommitResult {
    QStringList column;
    bool columnChanged = false;
    bool failed = false;                    // the failure message has been shown
    std::optional<InfoLine> infoLine;       // for ShowInfoLine; none leaves the line as it is
    bool counts = false;                    // add 1 to the conversion counter ("Prevedeno")
    std::optional<int> markRow;             // row to colour-mark when "Colored" is on
    bool recordLine = false;                // run the recording step (RecLine)
    bool refreshClipboardCommands = false;  // RefreshClipboardCommands
    bool rebuildMagnifier = false;          // rebuild the magnifier text (magnifierText)
};

// The arithmetic of one conversion: the commit of a value typed into the
// value cell of one unit (msgTab_GotFocus with the editor open, or a paste).
// It rewrites every row from the entered value - temperature by its fixed
// formulas, every other topic by value x coefficient(source) / coefficient(row)
// - reformats the column, and builds the summary line. A conversion either
// completes or changes nothing: when any step fails, the failure message is
// shown and the entered cell gets its text from before the edit back.
//
// One engine lives as long as the main window: it keeps the flag that shows
// the notice about negative values once per run.
class ConversionEngine {
public:
    // A request whose column does not hold one text per unit, or whose source
    // row lies outside the topic, changes nothing and shows nothing.
    CommitResult commit(const CommitRequest& request, const QLocale& locale, MessageSink& messages);

    bool negativeNoticeShown() const { return negativeNoticeShown_; }

    // The text of the once-per-run notice: three paragraphs, each followed by
    // an empty line except the last.
    static QString negativeNoticeText();

    // The failure message: "Chyba 13: Neshoda typů", an empty line and
    // "Nevhodná hodnota 'abc'.", each followed by CR LF.
    static QString failureText(ErrorCode error, const QString& cellText);

    // "Teplota pod 0 K teoreticky neexistuje."
    static QString absoluteZeroText();

private:
    class Run;

    bool negativeNoticeShown_ = false;
};

}  // namespace tolvarin
