#include "settings/settingsloader.h"

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

namespace {

constexpr int kInt16Min = std::numeric_limits<qint16>::min();
constexpr int kInt16Max = std::numeric_limits<qint16>::max();
constexpr float kMaxFontSize = 2048;

class Loader {
public:
    Loader(const SettingsStore& store, SettingsApplier& applier, MessageSink& messages, const LoadSetContext& context)
        : store_(store), window_(applier), messages_(messages), context_(context)
    {
    }

    Settings run();

private:
    // One key: tried until it loads, is ignored, or loading is aborted (after
    // which the key loads its default). True when the field was set.
    bool step(const std::function<bool()>& load);
    QString read(const QString& section, const char* key, const QString& defaultText) const;

    bool loadText(QString& field, const QString& section, const char* key);
    bool loadInt16(qint16& field, const QString& section, const char* key, int min = kInt16Min, int max = kInt16Max);
    bool loadInt32(qint32& field, const QString& section, const char* key);
    bool loadBoolean(bool& field, const QString& section, const char* key);
    bool loadFontSize();
    bool loadFix();

    const SettingsStore& store_;
    SettingsApplier& window_;
    MessageSink& messages_;
    const LoadSetContext& context_;
    Settings s_;
    bool aborted_ = false;
};

bool Loader::step(const std::function<bool()>& load)
{
    for (;;) {
        if (load()) return true;
        const MessageAnswer answer = messages_.ask(MessageIcon::Critical, loadErrorTitle(), loadErrorText(),
                                                   MessageButtons::AbortRetryIgnore, MessageAnswer::Retry);
        if (answer == MessageAnswer::Retry) continue;
        if (answer != MessageAnswer::Abort) return false;
        aborted_ = true;
        return load();
    }
}

QString Loader::read(const QString& section, const char* key, const QString& defaultText) const
{
    if (aborted_) return defaultText;
    return store_.GetSetting(section, QString::fromLatin1(key), defaultText);
}

// The default of every key is the record's initial value of its field.
bool Loader::loadText(QString& field, const QString& section, const char* key)
{
    const QString defaultText = field;
    return step([&] {
        field = read(section, key, defaultText);
        return true;
    });
}

bool Loader::loadInt16(qint16& field, const QString& section, const char* key, int min, int max)
{
    const QString defaultText = QString::number(field);
    return step([&] {
        const Result<qint16> value = toInt16(read(section, key, defaultText), context_.locale);
        if (!value.ok() || value.value() < min || value.value() > max) return false;
        field = value.value();
        return true;
    });
}

bool Loader::loadInt32(qint32& field, const QString& section, const char* key)
{
    const QString defaultText = QString::number(field);
    return step([&] {
        const Result<qint32> value = toInt32(read(section, key, defaultText), context_.locale);
        if (!value.ok()) return false;
        field = value.value();
        return true;
    });
}

bool Loader::loadBoolean(bool& field, const QString& section, const char* key)
{
    const QString defaultText = booleanText(field);
    return step([&] {
        const Result<bool> value = toBoolean(read(section, key, defaultText), context_.locale);
        if (!value.ok()) return false;
        field = value.value();
        return true;
    });
}

bool Loader::loadFontSize()
{
    const QString defaultText = singleText(s_.FontSize, context_.locale);
    return step([&] {
        const Result<float> value = toSingle(read(section::edit(), "FontSize", defaultText), context_.locale);
        if (!value.ok() || !(value.value() > 0 && value.value() <= kMaxFontSize)) return false;
        s_.FontSize = value.value();
        return true;
    });
}

// The caption shows the stored text without its blanks; the pattern takes
// the same text as a number of decimals.
bool Loader::loadFix()
{
    const QString defaultText = s_.Fix;
    return step([&] {
        const QString text = read(section::obecne(), "Fix", defaultText);
        const Result<qint16> decimals = toInt16(text, context_.locale);
        if (!decimals.ok() || decimals.value() < 0 || decimals.value() > 9) return false;
        s_.Fix = text;
        s_.FixDecimals = decimals.value();
        if (context_.fixPattern) s_.fixPattern = context_.fixPattern(s_.FixDecimals);
        window_.setFixedCaption(fixedModeCaption(text));
        return true;
    });
}

Settings Loader::run()
{
    const QString obecne = section::obecne();
    const QString start = section::start();
    const QString edit = section::edit();
    // The pattern of the default Fix, in case the stored one is ignored.
    if (context_.fixPattern) s_.fixPattern = context_.fixPattern(s_.FixDecimals);

    loadText(s_.File, obecne, "File");
    s_.Path = defaultDataFilePath(context_.programFolder, s_.File);
    loadText(s_.Path, obecne, "Path");
    loadText(s_.FileUser, obecne, "FileUser");
    s_.PathUser = defaultDataFilePath(context_.programFolder, s_.FileUser);
    loadText(s_.PathUser, obecne, "PathUser");

    loadInt32(s_.SafeEnd, obecne, "SafeEnd");
    loadInt32(s_.OnlyOne, start, "OnlyOne");

    if (loadInt16(s_.Grid, start, "Grid")) window_.setGridLines(gridLinesShown(s_.Grid));

    if (loadInt16(s_.NumBase, start, "NumBase", 2, 32)) window_.setOwnBaseCaption(ownBaseCaption(s_.NumBase));

    loadInt16(s_.NumBaseDec, start, "NumBaseDec", 1, 16);
    loadInt16(s_.ZCitlivost, obecne, "ZCitlivost", 1, 9);

    loadFix();

    loadInt16(s_.Tema, start, "Tema", -1, 26);
    loadInt16(s_.Uroven, obecne, "Uroven", 0, 3);

    window_.clearPanelMarks();
    if (loadBoolean(s_.Nahled, obecne, "Nahled") && s_.Nahled) window_.setPreviewOn();
    // The magnifier has nothing to magnify on the start screen; the stored
    // value stays true for the next start with a topic.
    if (loadBoolean(s_.Lupa, obecne, "Lupa") && s_.Lupa && s_.Tema >= 1) window_.setMagnifierOn();
    if (loadBoolean(s_.Informace, obecne, "Informace") && s_.Informace) window_.setInfoPanelOn();
    if (loadBoolean(s_.OnTop, obecne, "OnTop") && s_.OnTop) window_.setOnTopMark();

    if (loadInt16(s_.Presnost, obecne, "Presnost", 0, 3)) window_.FormatZ(s_.Presnost);

    if (loadText(s_.Veliciny, obecne, "Veliciny")) {
        const QString style = s_.Veliciny.toUpper();
        if (style == QLatin1String("IKONY")) window_.VelicinyI(0);
        if (style == QLatin1String("SEZNAM")) window_.VelicinyI(1);
    }
    if (loadText(s_.Navigator, obecne, "Navigator")) {
        const QString view = s_.Navigator.toUpper();
        if (view == QLatin1String("VELICINY")) window_.NavigatorV();
        if (view == QLatin1String("JEDNOTKY")) window_.NavigatorJ();
    }

    loadInt32(s_.Colored, obecne, "Colored");
    loadInt32(s_.ColoredColor, obecne, "ColoredColor");

    loadText(s_.FontName, edit, "FontName");
    loadFontSize();
    loadBoolean(s_.FontBold, edit, "FontBold");
    loadBoolean(s_.FontItalic, edit, "FontItalic");
    window_.setEditorFont(s_.FontName, s_.FontSize, s_.FontBold, s_.FontItalic);

    loadInt32(s_.Spusteno, start, "Spusteno");
    loadInt32(s_.Prevedeno, obecne, "Prevedeno");
    return s_;
}

}  // namespace

Settings LoadSet(const SettingsStore& store, SettingsApplier& applier, MessageSink& messages,
                 const LoadSetContext& context)
{
    return Loader(store, applier, messages, context).run();
}

}  // namespace tolvarin
