#pragma once

#include "settings/settingsloader.h"

#include <QStringList>

namespace tolvarin::test {

// Writes down every call as text, in order.
class RecordingApplier : public SettingsApplier {
public:
    void setGridLines(bool shown) override { add(shown ? "gridLines" : "noGridLines"); }
    void setOwnBaseCaption(const QString& caption) override { add("ownBase " + caption); }
    void setFixedCaption(const QString& caption) override { add("fixed " + caption); }
    void clearPanelMarks() override { add("clearPanelMarks"); }
    void setPreviewOn() override { add("preview"); }
    void setMagnifierOn() override { add("magnifier"); }
    void setInfoPanelOn() override { add("infoPanel"); }
    void setOnTopMark() override { add("onTop"); }
    void setPrecisionMode(int mode) override { add("precision " + QString::number(mode)); }
    void setTopicListStyle(int style) override { add("topicListStyle " + QString::number(style)); }
    void showTopicList() override { add("topicList"); }
    void showUnitList() override { add("unitList"); }
    void setEditorFont(const QString& name, float size, bool bold, bool italic) override
    {
        add("font " + name + u' ' + QString::number(size) + (bold ? " bold" : "") + (italic ? " italic" : ""));
    }

    QStringList calls;

private:
    void add(const QString& call) { calls.append(call); }
};

}  // namespace tolvarin::test
