#include "cliarguments.h"

#include <array>
#include <functional>

namespace tolvarin::cli {

namespace {

constexpr int kMaxFixDecimals = 9;  // what the options dialog allows

struct RepresentationWord {
    const char* word;
    Representation representation;
};

constexpr std::array<RepresentationWord, 7> kRepresentations = {{
    {"bin", Representation::Binary},
    {"oct", Representation::Octal},
    {"hex", Representation::Hexadecimal},
    {"base", Representation::OwnBase},
    {"based", Representation::OwnBaseWithPlaces},
    {"fraction", Representation::Fraction},
    {"roman", Representation::Roman},
}};

// A word that starts with "-" but reads as the start of a negative number.
bool looksLikeNegativeNumber(const QString& word)
{
    if (word.size() < 2 || word[0] != QLatin1Char('-')) return false;
    const QChar next = word[1];
    return next.isDigit() ||
           ((next == QLatin1Char('.') || next == QLatin1Char(',')) && word.size() > 2 && word[2].isDigit());
}

class Parser {
public:
    explicit Parser(const QLocale& systemLocale) { options_.locale = systemLocale; }

    std::variant<Options, UsageError> parse(const QStringList& arguments)
    {
        QStringList words;
        bool optionsEnded = false;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString& argument = arguments[i];
            if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-") ||
                looksLikeNegativeNumber(argument)) {
                words.append(argument);
            } else if (argument == QLatin1String("--")) {
                optionsEnded = true;
            } else {
                readOption(arguments, i);
            }
        }
        if (help_) return withCommand(Command::Help);
        if (version_) return withCommand(Command::Version);
        if (error_) return *error_;
        if (fixGiven_ && !formatGiven_) options_.format.mode = PrecisionMode::Fixed;
        return readCommand(words);
    }

private:
    Options withCommand(Command command)
    {
        options_.command = command;
        return options_;
    }

    void fail(const QString& message)
    {
        if (!error_) error_ = UsageError{message};
    }

    // One option at arguments[i]; a value in the next word moves i on.
    void readOption(const QStringList& arguments, qsizetype& i)
    {
        QString name = arguments[i];
        std::optional<QString> value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        auto flag = [&](bool& target) {
            if (value) return fail(QStringLiteral("Volba %1 nemá žádnou hodnotu.").arg(name));
            target = true;
        };
        auto withValue = [&](const std::function<void(const QString&)>& apply) {
            if (!value) {
                if (i + 1 >= arguments.size()) return fail(QStringLiteral("Volba %1 vyžaduje hodnotu.").arg(name));
                value = arguments[++i];
            }
            apply(*value);
        };

        if (name == QLatin1String("--help") || name == QLatin1String("-h")) return flag(help_);
        if (name == QLatin1String("--version")) return flag(version_);
        if (name == QLatin1String("--csv")) return flag(csv_);
        if (name == QLatin1String("--tsv")) return flag(tsv_);
        if (name == QLatin1String("--format")) return withValue([&](const QString& v) { readFormat(v); });
        if (name == QLatin1String("--fix")) {
            return withValue([&](const QString& v) {
                const int n = readInteger(name, v, 0, kMaxFixDecimals);
                options_.format.fixedPattern = fixedDecimalsPattern(n);
                fixGiven_ = true;
            });
        }
        if (name == QLatin1String("--level"))
            return withValue([&](const QString& v) { options_.level = UnitLevel(readInteger(name, v, 0, 3)); });
        if (name == QLatin1String("--data")) return withValue([&](const QString& v) { options_.mainData = v; });
        if (name == QLatin1String("--user-data")) return withValue([&](const QString& v) { options_.userData = v; });
        if (name == QLatin1String("--topic")) return withValue([&](const QString& v) { options_.topic = v; });
        if (name == QLatin1String("--locale")) return withValue([&](const QString& v) { readLocale(v); });
        if (name == QLatin1String("--base"))
            return withValue([&](const QString& v) {
                options_.representationSettings.ownBase = readInteger(name, v, kMinOwnBase, kMaxOwnBase);
            });
        if (name == QLatin1String("--places"))
            return withValue([&](const QString& v) {
                options_.representationSettings.ownBasePlaces =
                    readInteger(name, v, kMinOwnBasePlaces, kMaxOwnBasePlaces);
            });
        if (name == QLatin1String("--sensitivity"))
            return withValue([&](const QString& v) {
                options_.representationSettings.fractionSensitivity =
                    readInteger(name, v, kMinFractionSensitivity, kMaxFractionSensitivity);
            });
        fail(QStringLiteral("Neznámá volba: %1").arg(name));
    }

    int readInteger(const QString& name, const QString& text, int low, int high)
    {
        bool ok = false;
        const int n = text.trimmed().toInt(&ok);
        if (ok && n >= low && n <= high) return n;
        // One arg() call: a "%1" in the user's text is never taken for a marker.
        fail(QStringLiteral("Neplatná hodnota volby %1: „%2“ (povoleno %3 až %4).")
                 .arg(name, text, QString::number(low), QString::number(high)));
        return low;
    }

    void readFormat(const QString& text)
    {
        static const QString codes = QStringLiteral("JDSF");
        const qsizetype mode = text.size() == 1 ? codes.indexOf(text[0].toUpper()) : -1;
        if (mode < 0) return fail(QStringLiteral("Neplatný formát: „%1“ (povoleno J, D, S nebo F).").arg(text));
        options_.format.mode = precisionModeFromIndex(int(mode));
        formatGiven_ = true;
    }

    void readLocale(const QString& name)
    {
        const QLocale locale(name);
        const bool plainC = name == QLatin1String("C") || name == QLatin1String("POSIX");
        if (!plainC && locale.language() == QLocale::C)
            return fail(QStringLiteral("Neznámé národní prostředí: „%1“.").arg(name));
        options_.locale = locale;
    }

    std::variant<Options, UsageError> readCommand(QStringList words)
    {
        if (csv_ && tsv_) return UsageError{QStringLiteral("Volby --csv a --tsv nelze použít zároveň.")};
        options_.style = csv_ ? TableStyle::Csv : tsv_ ? TableStyle::Tsv : TableStyle::Aligned;
        if (words.isEmpty()) return UsageError{QStringLiteral("Chybí hodnota a jednotka.")};

        const QString first = words.first();
        auto expect = [&](Command command, qsizetype least, qsizetype most) -> std::variant<Options, UsageError> {
            words.removeFirst();
            if (words.size() < least) return UsageError{QStringLiteral("Příkazu %1 chybí argument.").arg(first)};
            if (words.size() > most)
                return UsageError{QStringLiteral("Příkaz %1 má příliš mnoho argumentů.").arg(first)};
            options_.arguments = words;
            return withCommand(command);
        };
        if (first == QLatin1String("list")) return expect(Command::List, 0, 1);
        if (first == QLatin1String("info")) return expect(Command::Info, 1, 1);
        if (first == QLatin1String("search")) return expect(Command::Search, 1, 1);
        if (first == QLatin1String("as")) {
            std::variant<Options, UsageError> result = expect(Command::As, 2, 2);
            if (std::holds_alternative<UsageError>(result)) return result;
            return readRepresentation(words.first());
        }

        if (words.size() < 2) return UsageError{QStringLiteral("Chybí jednotka.")};
        if (words.size() > 3) return UsageError{QStringLiteral("Příliš mnoho argumentů.")};
        options_.arguments = words;
        return withCommand(Command::Convert);
    }

    std::variant<Options, UsageError> readRepresentation(const QString& word)
    {
        for (const RepresentationWord& r : kRepresentations) {
            if (word == QLatin1String(r.word)) {
                options_.representation = r.representation;
                options_.arguments.removeFirst();
                return options_;
            }
        }
        return UsageError{
            QStringLiteral("Neznámé zobrazení: „%1“ (povoleno bin, oct, hex, base, based, fraction, roman).")
                .arg(word)};
    }

    Options options_;
    std::optional<UsageError> error_;
    bool help_ = false;
    bool version_ = false;
    bool csv_ = false;
    bool tsv_ = false;
    bool formatGiven_ = false;
    bool fixGiven_ = false;
};

}  // namespace

std::variant<Options, UsageError> parseArguments(const QStringList& arguments, const QLocale& systemLocale)
{
    return Parser(systemLocale).parse(arguments);
}

}  // namespace tolvarin::cli
