#include "testtopics.h"

#include "catalogue/topictable.h"

#include <cmath>

namespace tolvarin::test {

QString localText(QString czechText, const QLocale& locale)
{
    return czechText.replace(QLatin1Char(','), locale.decimalPoint());
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

std::pair<int, std::vector<Unit>> namedTopic(const QString& name)
{
    if (name == QStringLiteral("length")) return {1, lengthUnits()};
    if (name == QStringLiteral("angle")) return {kAngleSlot, angleUnits()};
    std::vector<Unit> units = temperatureUnits();
    if (name.startsWith(QStringLiteral("temperature"))) {
        if (name.endsWith(QStringLiteral("one more"))) units.push_back({"jiná", "x", 1.0, {}});
        return {kTemperatureSlot, units};
    }
    units.clear();
    for (const QString& coefficient : name.split(QLatin1Char(' ')))
        units.push_back({coefficient, coefficient, coefficient.toDouble(), {}});
    return {1, units};
}

}  // namespace tolvarin::test
