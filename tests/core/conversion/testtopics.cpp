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

OpenTopic::OpenTopic(int slot, const std::vector<Unit>& units, const QLocale& locale, DisplayFormat format)
    : model_(catalogue_, locale)
{
    for (size_t i = 0; i < units.size(); ++i) catalogue_.unit(slot, int(i) + 1) = units[i];
    catalogue_.setCount(slot, int(units.size()));
    (void)model_.setFormat(format);
    model_.open(slot);
}

std::vector<Unit> lengthUnits()
{
    return {{"metr", "m", 1.0, {}}, {"kilometr", "km", 1000.0, {}}, {"milimetr", "mm", 0.001, {}}};
}

std::vector<Unit> temperatureUnits()
{
    return {{"kelvin", "K", 1.0, {}},
            {"stupeň Celsia", "°C", 1.0, {}},
            {"stupeň Fahrenheita", "°F", 1.0, {}},
            {"stupeň Rankina", "°R", 1.0, {}},
            {"stupeň Réaumura", "°Ré", 1.0, {}}};
}

std::vector<Unit> angleUnits()
{
    return {{"radián", "rad", 1.0, {}}, {"stupeň", "°", 4.0 * std::atan(1.0) / 180.0, {}}};
}

}  // namespace tolvarin::test
