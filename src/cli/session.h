#pragma once

#include "catalogue/datafileconfig.h"
#include "catalogue/datafilereport.h"
#include "catalogue/unitcatalogue.h"
#include "cliarguments.h"
#include "unitlookup.h"
#include "common/recordingmessagesink.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tolvarin::cli {

// The exit status a script can rely on.
enum ExitStatus : int {
    kExitSuccess = 0,
    kExitFailure = 1,  // a conversion or data error
    kExitUsage = 2,    // the command line itself is wrong
};

// What the program writes: standard output and standard error, each as text
// that main() writes out in UTF-8.
struct CliOutput {
    QString out;
    QString err;
};

// Message texts are built for message boxes with CR LF; a terminal wants LF
// and no empty lines at the end.
QString terminalText(const QString& messageText);

// One run of a command that needs the catalogue: the data files, the
// catalogue read from them and the reports about both.
class Session {
public:
    Session(const Options& options, CliOutput& output);

    // Reads the main and the user data file with the program's readers. Their
    // messages go to standard error, followed by the full path of the file.
    // False when a file could not be read to its end: nothing else is done.
    // Given the words of a conversion, the main file's built-in topics that
    // hold none of the units they name may stay empty.
    bool load(const QStringList& unitWords = {});
    // A reader reported a bad line: the run ends with kExitFailure even when
    // the command itself succeeded.
    bool dataHadMessages() const { return dataHadMessages_; }

    const Options& options() const { return options_; }
    const DataFileConfig& config() const { return config_; }
    const UnitCatalogue& catalogue() const { return *catalogue_; }
    UnitCatalogue& catalogue() { return *catalogue_; }

    // The topic slots a unit is looked for in: the one that --topic names, or
    // every topic. None after an unknown or ambiguous --topic was reported.
    std::optional<std::vector<int>> scope();
    // Exactly one topic named by a word, or none after reporting why not.
    std::optional<int> topic(const QString& word);
    // Exactly one unit named by a word within the slots, or none after
    // reporting that it is unknown or which units it might be.
    std::optional<UnitRef> unit(const QString& word, const std::vector<int>& topics);

    void print(const QString& text) { output_.out += text; }
    void error(const QString& text) { output_.err += terminalText(text) + QLatin1Char('\n'); }
    void printMessages(const RecordingMessageSink& sink);

    // "Jednotka „x“ nebyla nalezena." and the candidate list of an ambiguous word.
    static QString unknownUnitText(const QString& word);
    QString ambiguousUnitText(const QString& word, const std::vector<UnitRef>& candidates) const;

private:
    bool reportReader(const DataFileReport& report, const QString& path, const QString& option);

    const Options& options_;
    CliOutput& output_;
    DataFileConfig config_;
    std::unique_ptr<UnitCatalogue> catalogue_;
    bool dataHadMessages_ = false;
};

}  // namespace tolvarin::cli
