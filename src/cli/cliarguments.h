#pragma once

#include "catalogue/datafileconfig.h"
#include "conversion/displayformat.h"
#include "numbers/representation.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace tolvarin::cli {

enum class Command {
    Convert,  // VALUE UNIT [TARGET]
    List,     // list [TOPIC]
    Info,     // info UNIT
    Search,   // search TEXT
    As,       // as KIND VALUE
    Help,
    Version,
};

enum class TableStyle { Aligned, Csv, Tsv };

// Everything the command line asked for, checked and with every default
// filled in, except the data file paths: empty means "find the default".
struct Options {
    Command command = Command::Help;
    QStringList arguments;  // the command's own words, the command word itself left out
    Representation representation = Representation::Binary;

    DisplayFormat format;
    UnitLevel level = UnitLevel::All;
    std::optional<QString> topic;
    std::optional<QString> mainData;
    std::optional<QString> userData;  // an empty path: no user file
    QLocale locale;
    TableStyle style = TableStyle::Aligned;
    RepresentationSettings representationSettings;
};

struct UsageError {
    QString message;
};

// Reads the arguments after the program's name. Options may stand anywhere;
// "--name value" and "--name=value" are the same; "--" ends the options;
// a word such as "-5" or "-0,5" is a value, not an option.
std::variant<Options, UsageError> parseArguments(const QStringList& arguments, const QLocale& systemLocale);

}  // namespace tolvarin::cli
