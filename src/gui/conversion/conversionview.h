#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/messagesink.h"
#include "conversion/conversiontext.h"
#include "conversion/displayformat.h"
#include "conversion/topicmodel.h"

#include <QColor>
#include <QLocale>
#include <QObject>

namespace tolvarin {

class ConversionGrid;

// The window side of the open topic: owns the topic's model, shows it in the
// grid, commits typed values through it and turns what happened into
// messages, the information line and the statistics. What the window around
// it has to show is reported by signals.
class ConversionView : public QObject {
    Q_OBJECT

public:
    ConversionView(UnitCatalogue& catalogue, ConversionGrid* grid, MessageSink& messages, const QLocale& locale,
                   QObject* parent = nullptr);

    TopicModel* model() const { return model_; }

    // Opens a topic: its names and symbols, an empty value column, row 0
    // current, the title and the unit counters.
    void fillGrid(int slot);
    int slot() const { return model_->slot(); }
    int editRow() const { return model_->editRow(); }

    DisplayFormat format() const { return model_->format(); }
    // Rewrites the value column in another format.
    void setFormat(const DisplayFormat& format);

    // Row marking with the Insert key and the marker pictures.
    bool markingOn() const { return model_->markingOn(); }
    void setMarkingOn(bool on);
    // "Barevně odlišit zadání": the entered value's colour.
    void setColouring(bool on, const QColor& colour);
    void setPreviewTarget(PreviewTarget target) { model_->setPreviewTarget(target); }
    PreviewTarget previewTarget() const { return model_->previewTarget(); }

    // Insert on the current row.
    void toggleMarkOnCurrentRow();
    void hideUnmarked();
    void hideActive();

    // Commits a text into the current row as if it had been typed there (paste).
    void commitText(const QString& text);

    // Grid type-ahead: jumps to the next unit beginning with the character.
    bool typeAhead(QChar typed);

    QString magnifierText() const;
    QString infoPanelText() const;

signals:
    void showInfoLine(const QString& text, bool important, const QColor& colour);
    void titleChanged(const QString& title);
    void topicUnitsChanged(const QString& text);  // the status panel with the topic's unit count
    void filled();
    void hideAvailabilityChanged(bool available);
    void converted(bool counted);  // a commit changed the column
    void valuesConverted();        // every row shows a converted value
    void commitFailed();
    void currentRowChanged();  // the cursor moved to another unit
    void magnifierChanged();
    void unitsHidden();  // rows were hidden in the catalogue

private:
    void commit(int row, const QString& text);
    void onCurrentRowChanged(int row);
    void refreshHideAvailability();

    TopicModel* model_;
    ConversionGrid* grid_;
    MessageSink& messages_;
    QLocale locale_;
    bool filling_ = false;
    bool negativeNoticeShown_ = false;  // the notice about negative values is shown once per run
};

}  // namespace tolvarin
