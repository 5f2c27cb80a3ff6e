#include "testtopics.h"

#include <cmath>

namespace tolvarin::test {

QString localText(const char* czechText, const QLocale& locale)
{
    return QString::fromUtf8(czechText).replace(QLatin1Char(','), locale.decimalPoint());
}

QStringList localColumn(std::initializer_list<const char*> czechTexts, const QLocale& locale)
{
    QStringList column;
    for (const char* text : czechTexts) column.append(localText(text, locale));
    return column;
}

Topic lengthTopic()
{
    return {1, {{"metr", "m", 1.0, {}}, {"kilometr", "km", 1000.0, {}}, {"milimetr", "mm", 0.001, {}}}};
}

Topic temperatureTopic()
{
    return {kTemperatureSlot,
            {{"kelvin", "K", 1.0, {}},
             {"stupeň Celsia", "°C", 1.0, {}},
             {"stupeň Fahrenheita", "°F", 1.0, {}},
             {"stupeň Rankina", "°R", 1.0, {}},
             {"stupeň Réaumura", "°Ré", 1.0, {}}}};
}

Topic angleTopic()
{
    return {kAngleSlot, {{"radián", "rad", 1.0, {}}, {"stupeň", "°", 4.0 * std::atan(1.0) / 180.0, {}}}};
}

CommitResult run(ConversionEngine& engine, const Commit& commit, const QLocale& locale, RecordingMessageSink& sink)
{
    CommitRequest request;
    request.slot = commit.topic.slot;
    request.units = commit.topic.units;
    request.sourceRow = commit.row;
    request.enteredText = commit.entered;
    request.column =
        commit.column.isEmpty() ? QStringList(qsizetype(commit.topic.units.size()), QString()) : commit.column;
    request.textBeforeEdit = commit.before;
    request.format = commit.format;
    return engine.commit(request, locale, sink);
}

}  // namespace tolvarin::test
