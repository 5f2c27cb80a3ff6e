#pragma once

#include "catalogue/unitcatalogue.h"
#include "conversion/topicmodel.h"
#include "support/testtext.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

namespace tolvarin::test {

inline const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
inline const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
inline const QLocale* const kLocales[] = {&kCzech, &kEnglish};

// A number text written the Czech way ("0,5"), in the given locale's form.
QString localText(QString czechText, const QLocale& locale);

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

// A topic that a data file names: its slot and units. "length", "temperature",
// "angle", "temperature and one more" (a sixth row), or the coefficients of a
// length-like topic's units ("1 1E-10").
std::pair<int, std::vector<Unit>> namedTopic(const QString& name);

}  // namespace tolvarin::test
