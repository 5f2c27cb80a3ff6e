#include "settings/settingsloader.h"

#include "common/textutil.h"
#include "conversion/decimaltext.h"
#include "settings/settingvalues.h"

#include <functional>
#include <limits>

namespace tolvarin {

QString loadErrorTitle()
{
    return QStringLiteral("Chyba inicializace");
}
QString loadErrorText()
{
    return QStringLiteral("Chyba načítání z registrů.");
}

QString loadErrorText(const SettingProblem& problem)
{
    return joinLines({loadErrorText(), QString(),
                      QStringLiteral("Položka [") + problem.section + QStringLiteral("] ") + problem.key +
                          QStringLiteral(" má nesrozumitelnou hodnotu „") + problem.storedText + QStringLiteral("“."),
                      QString(), QStringLiteral("Přeskočit: použít výchozí hodnotu „") + problem.defaultText +
                          QStringLiteral("“ a uložit ji."),
                      QStringLiteral("Opakovat: načíst položku znovu."),
                      QStringLiteral("Přerušit: pro tuto i všechny další položky použít výchozí hodnoty.")});
}

namespace {

constexpr int kInt16Min = std::numeric_limits<qint16>::min();
constexpr int kInt16Max = std::numeric_limits<qint16>::max();
constexpr float kMaxFontSize = 2048;

class Loader {
public:
    Loader(const SettingsStore& store, SettingsApplier& applier, const SettingProblemQuestion& ask,
           const SettingsLoadContext& context)
        : store_(store), window_(applier), ask_(ask), context_(context)
    {
    }

    SettingsRecord run();

private:
    // One key: tried until it loads, is ignored, or loading is aborted (after
    // which the key loads its default). True when the field was set.
    bool loadKey(const QString& section, const char* key, const std::function<bool(const QString&)>& load,
                 QString defaultText);

    bool loadText(QString& field, const QString& section, const char* key);
    // The first folder that holds the file, or the program's folder.
    QString defaultDataPath(const QString& fileName) const;
    bool loadInt16(qint16& field, const QString& section, const char* key, int min = kInt16Min, int max = kInt16Max);
    bool loadInt32(qint32& field, const QString& section, const char* key);
    bool loadBoolean(bool& field, const QString& section, const char* key);
    bool loadFontSize();
    bool loadFixedDecimals();

    const SettingsStore& store_;
    SettingsApplier& window_;
    const SettingProblemQuestion& ask_;
    const SettingsLoadContext& context_;
    SettingsRecord s_;
    bool aborted_ = false;
};

bool Loader::loadKey(const QString& section, const char* key, const std::function<bool(const QString&)>& load,
                     QString defaultText)
{
    const QString keyName = QString::fromLatin1(key);
    for (;;) {
        const QString text = aborted_ ? defaultText : store_.readText(section, keyName, defaultText);
        if (load(text)) return true;
        const LoadAnswer answer = ask_ ? ask_({section, keyName, text, defaultText}) : LoadAnswer::Ignore;
        if (answer == LoadAnswer::Retry) continue;
        if (answer == LoadAnswer::Ignore) return false;
        aborted_ = true;
        return load(defaultText);
    }
}

QString Loader::defaultDataPath(const QString& fileName) const
{
    const QString found = locateDataFile(fileName, context_.dataFolders);
    return found.isEmpty() ? defaultDataFilePath(context_.dataFolders.program, fileName) : found;
}

// The default of every key is the record's initial value of its field.
bool Loader::loadText(QString& field, const QString& section, const char* key)
{
    return loadKey(
        section, key,
        [&](const QString& text) {
            field = text;
            return true;
        },
        field);
}

bool Loader::loadInt16(qint16& field, const QString& section, const char* key, int min, int max)
{
    return loadKey(
        section, key,
        [&](const QString& text) {
            const Result<qint16> value = toInt16(text, context_.locale);
            if (!value.ok() || value.value() < min || value.value() > max) return false;
            field = value.value();
            return true;
        },
        QString::number(field));
}

bool Loader::loadInt32(qint32& field, const QString& section, const char* key)
{
    return loadKey(
        section, key,
        [&](const QString& text) {
            const Result<qint32> value = toInt32(text, context_.locale);
            if (!value.ok()) return false;
            field = value.value();
            return true;
        },
        QString::number(field));
}

bool Loader::loadBoolean(bool& field, const QString& section, const char* key)
{
    return loadKey(
        section, key,
        [&](const QString& text) {
            const Result<bool> value = toBoolean(text, context_.locale);
            if (!value.ok()) return false;
            field = value.value();
            return true;
        },
        booleanText(field));
}

bool Loader::loadFontSize()
{
    return loadKey(
        section::edit(), "FontSize",
        [&](const QString& text) {
            const Result<float> value = toSingle(text, context_.locale);
            if (!value.ok() || !(value.value() > 0 && value.value() <= kMaxFontSize)) return false;
            s_.editorFontSize = value.value();
            return true;
        },
        singleText(s_.editorFontSize, context_.locale));
}

// The caption shows the stored text without its blanks; the pattern takes
// the same text as a number of decimals.
bool Loader::loadFixedDecimals()
{
    return loadKey(
        section::general(), "Fix",
        [&](const QString& text) {
            const Result<qint16> decimals = toInt16(text, context_.locale);
            if (!decimals.ok() || decimals.value() < 0 || decimals.value() > 9) return false;
            s_.fixedDecimalsText = text;
            s_.fixedDecimals = decimals.value();
            if (context_.fixedPattern) s_.fixedPattern = context_.fixedPattern(s_.fixedDecimals);
            window_.setFixedCaption(fixedModeCaption(text));
            return true;
        },
        s_.fixedDecimalsText);
}

SettingsRecord Loader::run()
{
    const QString general = section::general();
    const QString start = section::start();
    const QString edit = section::edit();
    // The pattern of the default Fix, in case the stored one is ignored.
    if (context_.fixedPattern) s_.fixedPattern = context_.fixedPattern(s_.fixedDecimals);

    loadText(s_.mainFileName, general, "File");
    s_.mainFilePath = defaultDataPath(s_.mainFileName);
    loadText(s_.mainFilePath, general, "Path");
    loadText(s_.userFileName, general, "FileUser");
    s_.userFilePath = defaultDataPath(s_.userFileName);
    loadText(s_.userFilePath, general, "PathUser");

    loadInt32(s_.confirmExit, general, "SafeEnd");
    loadInt32(s_.singleInstance, start, "OnlyOne");

    if (loadInt16(s_.gridLines, start, "Grid")) window_.setGridLines(gridLinesShown(s_.gridLines));

    // The number systems and the fractions answer a base, places or a
    // sensitivity they cannot use with their own range message when used.
    if (loadInt16(s_.ownBase, start, "NumBase")) window_.setOwnBaseCaption(ownBaseCaption(s_.ownBase));

    loadInt16(s_.ownBasePlaces, start, "NumBaseDec");
    loadInt16(s_.fractionSensitivity, general, "ZCitlivost");

    loadFixedDecimals();

    loadInt16(s_.startTopic, start, "Tema", -1, 26);
    loadInt16(s_.unitLevel, general, "Uroven", 0, 3);

    window_.clearPanelMarks();
    if (loadBoolean(s_.previewShown, general, "Nahled") && s_.previewShown) window_.setPreviewOn();
    // The magnifier has nothing to magnify on the start screen; the stored
    // value stays true for the next start with a topic.
    if (loadBoolean(s_.magnifierShown, general, "Lupa") && s_.magnifierShown && s_.startTopic >= 1)
        window_.setMagnifierOn();
    if (loadBoolean(s_.infoPanelShown, general, "Informace") && s_.infoPanelShown) window_.setInfoPanelOn();
    if (loadBoolean(s_.alwaysOnTop, general, "OnTop") && s_.alwaysOnTop) window_.setOnTopMark();

    if (loadInt16(s_.precisionMode, general, "Presnost", 0, 3)) window_.setPrecisionMode(s_.precisionMode);

    if (loadText(s_.topicListStyle, general, "Veliciny")) {
        const QString style = s_.topicListStyle.toUpper();
        if (style == QLatin1String("IKONY")) window_.setTopicListStyle(0);
        if (style == QLatin1String("SEZNAM")) window_.setTopicListStyle(1);
    }
    if (loadText(s_.navigatorPage, general, "Navigator")) {
        const QString page = s_.navigatorPage.toUpper();
        if (page == QLatin1String("VELICINY")) window_.showTopicList();
        if (page == QLatin1String("JEDNOTKY")) window_.showUnitList();
    }

    loadInt32(s_.colourEnteredCell, general, "Colored");
    loadInt32(s_.enteredCellColour, general, "ColoredColor");

    loadText(s_.editorFontName, edit, "FontName");
    loadFontSize();
    loadBoolean(s_.editorFontBold, edit, "FontBold");
    loadBoolean(s_.editorFontItalic, edit, "FontItalic");
    window_.setEditorFont(s_.editorFontName, s_.editorFontSize, s_.editorFontBold, s_.editorFontItalic);

    // The statistics are the user's history: an Abort about another key does
    // not reset them; they are read from the store all the same.
    aborted_ = false;
    loadInt32(s_.launchCount, start, "Spusteno");
    loadInt32(s_.conversionCount, general, "Prevedeno");
    return s_;
}

}  // namespace

SettingsRecord loadSettings(const SettingsStore& store, SettingsApplier& applier, const SettingProblemQuestion& ask,
                            const SettingsLoadContext& context)
{
    return Loader(store, applier, ask, context).run();
}

}  // namespace tolvarin
