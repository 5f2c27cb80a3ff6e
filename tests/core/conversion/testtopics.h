#pragma once

#include "catalogue/unitcatalogue.h"
#include "common/recordingmessagesink.h"
#include "conversion/conversionengine.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable texts in failure messages of the tests.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace tolvarin::test {

inline const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
inline const QLocale* const kLocales[] = {&kCzech, &kEnglish};

// A number text written the Czech way ("0,5"), in the given locale's form.
QString localText(const char* czechText, const QLocale& locale);
QStringList localColumn(std::initializer_list<const char*> czechTexts, const QLocale& locale);

// A small topic for the engine: its slot and its units in grid order.
struct Topic {
    int slot = 1;
    std::vector<Unit> units;
};

Topic lengthTopic();       // m (reference), km, mm
Topic temperatureTopic();  // K, °C, °F, °R, °Ré
Topic angleTopic();        // rad (reference), ° (the degree row is row 1)

// One commit of a text into a row; the column is empty unless given.
struct Commit {
    const Topic& topic;
    int row = 0;
    QString entered;
    QStringList column = {};
    QString before = {};
    DisplayFormat format = {};
};
CommitResult run(ConversionEngine& engine, const Commit& commit, const QLocale& locale, RecordingMessageSink& sink);

}  // namespace tolvarin::test
