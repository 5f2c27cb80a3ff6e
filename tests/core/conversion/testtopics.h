#pragma once

#include "catalogue/unitcatalogue.h"
#include "conversion/topicmodel.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
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

// One topic in a catalogue of its own and the model that shows it.
class OpenTopic {
public:
    OpenTopic(int slot, const std::vector<Unit>& units, const QLocale& locale, DisplayFormat format = {});
    TopicModel& operator*() { return model_; }
    TopicModel* operator->() { return &model_; }

private:
    UnitCatalogue catalogue_;
    TopicModel model_;
};

std::vector<Unit> lengthUnits();       // m (reference), km, mm
std::vector<Unit> temperatureUnits();  // K, °C, °F, °R, °Ré
std::vector<Unit> angleUnits();        // rad (reference), ° (the degree row is row 1)

}  // namespace tolvarin::test
