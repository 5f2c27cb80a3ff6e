#include "settings/optionsvalues.h"

#include "conversion/displayformat.h"
#include "settings/settingvalues.h"

#include <array>

namespace tolvarin {

NumberRange numberRange(NumberBox box)
{
    switch (box) {
        case NumberBox::OwnBase: return {2, 32};
        case NumberBox::OwnBasePlaces: return {1, 16};
        case NumberBox::FractionPlaces: return {1, 9};
        case NumberBox::FixedDecimals: return {0, 9};
    }
    return {0, 0};
}

std::optional<int> readWholeNumber(const QString& text, NumberRange range)
{
    const QString number = text.trimmed();
    const qsizetype digitsFrom = number.startsWith(QLatin1Char('-')) || number.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (number.size() <= digitsFrom) return std::nullopt;
    for (qsizetype i = digitsFrom; i < number.size(); ++i)
        if (number[i] < QLatin1Char('0') || number[i] > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int value = number.toInt(&ok);  // refuses what int cannot hold
    if (!ok || value < range.minimum || value > range.maximum) return std::nullopt;
    return value;
}

QString numberRangeMessage(NumberRange range)
{
    return QStringLiteral("Musí být číslo mezi %1 a %2")
        .arg(QString::number(range.minimum), QString::number(range.maximum));
}

OptionsValues optionsFromSettings(const SettingsRecord& s)
{
    OptionsValues v;
    v.mainFilePath = s.mainFilePath;
    v.mainFileName = s.mainFileName;
    v.userFilePath = s.userFilePath;
    v.userFileName = s.userFileName;
    v.confirmExit = s.confirmExit != 0;
    v.unitsShown = s.navigatorPage.toUpper() == QLatin1String("JEDNOTKY");
    v.largeIcons = s.topicListStyle.toUpper() == QLatin1String("IKONY");
    v.previewShown = s.previewShown;
    v.magnifierShown = s.magnifierShown;
    v.infoPanelShown = s.infoPanelShown;
    v.alwaysOnTop = s.alwaysOnTop;
    v.level = s.unitLevel;
    v.ownBaseText = QString::number(s.ownBase);
    v.ownBasePlacesText = QString::number(s.ownBasePlaces);
    v.fractionPlacesText = QString::number(s.fractionSensitivity);
    v.fixedDecimalsText = s.fixedDecimalsText;
    v.colourEnteredCell = s.colourEnteredCell == 1;
    v.enteredCellColour = s.enteredCellColour;
    v.precisionMode = s.precisionMode;
    v.gridLines = gridLinesShown(s.gridLines);
    v.singleInstance = s.singleInstance != 0;
    v.startTopic = s.startTopic < 1 ? 0 : s.startTopic;  // -1 is the start screen too
    return v;
}

std::optional<NumberBox> firstRefusedBox(const OptionsValues& v)
{
    const std::array<std::pair<NumberBox, const QString*>, 4> boxes = {{
        {NumberBox::OwnBase, &v.ownBaseText},
        {NumberBox::OwnBasePlaces, &v.ownBasePlacesText},
        {NumberBox::FractionPlaces, &v.fractionPlacesText},
        {NumberBox::FixedDecimals, &v.fixedDecimalsText},
    }};
    for (const auto& [box, text] : boxes)
        if (!readWholeNumber(*text, numberRange(box))) return box;
    return std::nullopt;
}

OptionsOutcome acceptOptions(const SettingsRecord& settings, const OptionsValues& opened, const OptionsValues& chosen)
{
    OptionsOutcome outcome;
    outcome.refused = firstRefusedBox(chosen);
    if (outcome.refused) return outcome;
    const auto number = [](const QString& text, NumberBox box) {
        return qint16(readWholeNumber(text, numberRange(box)).value_or(0));
    };

    SettingsRecord& s = outcome.settings = settings;
    s.mainFilePath = chosen.mainFilePath;
    s.mainFileName = chosen.mainFileName;
    s.userFilePath = chosen.userFilePath;
    s.userFileName = chosen.userFileName;
    s.confirmExit = chosen.confirmExit ? 1 : 0;
    // The stored -1 is shown as the start screen; untouched, it stays as stored.
    if (chosen.startTopic >= 0 && chosen.startTopic <= 26 && chosen.startTopic != opened.startTopic)
        s.startTopic = qint16(chosen.startTopic);
    s.singleInstance = chosen.singleInstance ? 1 : 0;
    s.gridLines = chosen.gridLines ? 1 : 0;
    s.ownBase = number(chosen.ownBaseText, NumberBox::OwnBase);
    s.ownBasePlaces = number(chosen.ownBasePlacesText, NumberBox::OwnBasePlaces);
    s.fractionSensitivity = number(chosen.fractionPlacesText, NumberBox::FractionPlaces);
    if (chosen.level >= 0 && chosen.level <= 3) s.unitLevel = qint16(chosen.level);
    s.fixedDecimals = number(chosen.fixedDecimalsText, NumberBox::FixedDecimals);
    s.fixedDecimalsText = QString::number(s.fixedDecimals);
    s.fixedPattern = fixedDecimalsPattern(s.fixedDecimals);
    s.previewShown = chosen.previewShown;
    s.magnifierShown = chosen.magnifierShown;
    s.infoPanelShown = chosen.infoPanelShown;
    s.alwaysOnTop = chosen.alwaysOnTop;
    if (chosen.precisionMode >= 0 && chosen.precisionMode <= 3) s.precisionMode = qint16(chosen.precisionMode);
    s.topicListStyle = chosen.largeIcons ? QStringLiteral("Ikony") : QStringLiteral("Seznam");
    s.navigatorPage = chosen.unitsShown ? QStringLiteral("Jednotky") : QStringLiteral("Veliciny");
    s.colourEnteredCell = chosen.colourEnteredCell ? 1 : 0;
    s.enteredCellColour = chosen.enteredCellColour;

    const auto effectIf = [&outcome](bool changed, OptionsEffect effect) {
        if (changed) outcome.effects.push_back(effect);
    };
    effectIf(chosen.gridLines != opened.gridLines, OptionsEffect::GridLines);
    const bool representations = s.ownBase != settings.ownBase || s.ownBasePlaces != settings.ownBasePlaces ||
                                 s.fractionSensitivity != settings.fractionSensitivity;
    effectIf(representations, OptionsEffect::RepresentationSettings);
    effectIf(s.fixedPattern != settings.fixedPattern || s.fixedDecimals != settings.fixedDecimals ||
                 s.fixedDecimalsText != settings.fixedDecimalsText,
             OptionsEffect::FixedFormat);
    effectIf(chosen.previewShown != opened.previewShown, OptionsEffect::Preview);
    effectIf(chosen.magnifierShown != opened.magnifierShown, OptionsEffect::Magnifier);
    effectIf(chosen.infoPanelShown != opened.infoPanelShown, OptionsEffect::InfoPanel);
    effectIf(chosen.alwaysOnTop != opened.alwaysOnTop, OptionsEffect::AlwaysOnTop);
    effectIf(chosen.precisionMode != opened.precisionMode, OptionsEffect::PrecisionMode);
    effectIf(chosen.largeIcons != opened.largeIcons, OptionsEffect::TopicListStyle);
    effectIf(chosen.unitsShown != opened.unitsShown, OptionsEffect::NavigatorPage);
    effectIf(chosen.colourEnteredCell != opened.colourEnteredCell || chosen.enteredCellColour != opened.enteredCellColour,
             OptionsEffect::Colouring);
    effectIf(chosen.rowMarking != opened.rowMarking, OptionsEffect::RowMarking);
    return outcome;
}

void saveOptions(SettingsStore& store, const SettingsRecord& s)
{
    const QString general = section::general();
    const QString start = section::start();
    const auto save = [&store](const QString& section, const char* key, const QString& text) {
        store.writeText(section, QString::fromLatin1(key), text);
    };
    save(general, "File", s.mainFileName);
    save(general, "FileUser", s.userFileName);
    save(general, "Path", s.mainFilePath);
    save(general, "PathUser", s.userFilePath);
    save(general, "SafeEnd", QString::number(s.confirmExit));
    save(start, "Tema", QString::number(s.startTopic));
    save(start, "OnlyOne", QString::number(s.singleInstance));
    save(start, "Grid", QString::number(s.gridLines));
    save(start, "NumBase", QString::number(s.ownBase));
    save(start, "NumBaseDec", QString::number(s.ownBasePlaces));
    save(general, "Uroven", QString::number(s.unitLevel));
    save(general, "Fix", s.fixedDecimalsText);
    save(general, "Nahled", booleanText(s.previewShown));
    save(general, "Lupa", booleanText(s.magnifierShown));
    save(general, "Informace", booleanText(s.infoPanelShown));
    save(general, "OnTop", booleanText(s.alwaysOnTop));
    save(general, "ZCitlivost", QString::number(s.fractionSensitivity));
    save(general, "Presnost", QString::number(s.precisionMode));
    save(general, "Veliciny", s.topicListStyle);
    save(general, "Navigator", s.navigatorPage);
    save(general, "Colored", QString::number(s.colourEnteredCell));
    save(general, "ColoredColor", QString::number(s.enteredCellColour));
}

}  // namespace tolvarin
