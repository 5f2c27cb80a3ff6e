#pragma once

#include <QLocale>
#include <QObject>

#include <functional>

class QLabel;

namespace tolvarin {

class ClipboardAccess;
class ConversionGrid;
class MessageSink;
class UnitCatalogue;

// "Předpony" (F5): the current value across the decimal prefixes. Opens the
// prefix topic, writes the value into every prefix row and brings the row
// whose number lies between 1 and 1000 to the top; the title names the unit
// the value came from.
class PrefixViewCommand : public QObject {
    Q_OBJECT

public:
    struct Target {
        const UnitCatalogue* catalogue = nullptr;
        ConversionGrid* grid = nullptr;
        QLabel* title = nullptr;
        ClipboardAccess* clipboard = nullptr;
        MessageSink* messages = nullptr;
        QLocale locale;
        // Opens a topic as the topic menu does: current slot, the grid, the
        // quantity list's selection, back and forward.
        std::function<void(int slot)> openTopic;
    };

    explicit PrefixViewCommand(Target target, QObject* parent = nullptr);

    // Does nothing when the current cell is empty. The value
    // goes to the clipboard, as the user may want it elsewhere, but the view
    // is built from the text held here, so that another program writing to
    // the clipboard in between cannot change it. A value that no prefix row
    // can show (beyond the double range) is refused with the conversion's
    // failure message before anything changes.
    void showPrefixes();

signals:
    // The prefix topic is open and its values are written.
    void shown();

private:
    Target target_;
};

}  // namespace tolvarin
