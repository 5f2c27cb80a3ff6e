#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"
#include "conversion/conversionengine.h"
#include "conversion/conversiontext.h"
#include "conversion/displayformat.h"

#include <QColor>
#include <QLocale>
#include <QObject>

#include <span>

namespace tolvarin {

class ConversionGrid;

// The window side of the conversion grid: fills msgTab for a topic, commits
// typed values through the conversion engine, rewrites the value column in
// the display format, and keeps the marking, hiding and colouring of rows.
// What the window around it has to show is reported by signals.
class ConversionView : public QObject {
    Q_OBJECT

public:
    ConversionView(UnitCatalogue& catalogue, ConversionGrid* grid, MessageSink& messages, const QLocale& locale,
                   QObject* parent = nullptr);

    // FillGrid: the topic's names and symbols, an empty value column, row 0
    // current, the title and the unit counters.
    void FillGrid(int slot);
    int slot() const { return slot_; }
    int editRow() const { return editRow_; }
    std::span<const Unit> units() const;

    DisplayFormat format() const { return format_; }
    void setFormat(const DisplayFormat& format) { format_ = format; }
    // Rewrites the value column in the current format.
    void ApplyFormat();

    // mnuBarvy: row marking with the Insert key and the marker pictures.
    bool markingOn() const { return markingOn_; }
    void setMarkingOn(bool on);
    // "Barevně odlišit zadání": the entered value's colour.
    void setColouring(bool on, const QColor& colour);
    void setPreviewTarget(PreviewTarget target) { previewTarget_ = target; }
    PreviewTarget previewTarget() const { return previewTarget_; }

    // Insert on the current row.
    void toggleMarkOnCurrentRow();
    // Whether "Skrýt neoznačené" is offered: two or more marked rows.
    bool canHideUnmarked() const;
    void hideUnmarked();  // mnuSkryt, mnuHide(2)
    void hideActive();    // mnuHide(1)

    // Commits a text into the current row as if it had been typed there (paste).
    void commitText(const QString& text);

    // Grid type-ahead: jumps to the next unit beginning with the character.
    bool typeAhead(QChar typed);

    QString magnifierText() const;
    QString infoPanelText() const;

signals:
    void showInfoLine(const QString& text, bool important, const QColor& colour);
    void titleChanged(const QString& title);
    void topicUnitsChanged(const QString& text);  // status-bar panel "TVeličiny"
    void filled();
    void hideAvailabilityChanged(bool available);
    void converted(bool counted);   // a commit changed the column
    void commitFailed();
    void currentRowChanged();       // the cursor moved to another unit
    void magnifierChanged();
    void unitsHidden();             // rows were hidden in the catalogue

private:
    void onEditCommitted(int row, const QString& text, const QString& before);
    void onCurrentRowChanged(int row);
    void markerPictures();
    void colourMark(int row);
    void refreshHideAvailability();

    UnitCatalogue& catalogue_;
    ConversionGrid* grid_;
    MessageSink& messages_;
    QLocale locale_;
    ConversionEngine engine_;
    DisplayFormat format_;
    PreviewTarget previewTarget_ = PreviewTarget::FirstUnit;
    int slot_ = 0;
    int editRow_ = 0;
    int colourMarkedRow_ = 0;
    bool filling_ = false;
    bool markingOn_ = true;
    bool colouring_ = true;
    QColor markColour_;
};

}  // namespace tolvarin
