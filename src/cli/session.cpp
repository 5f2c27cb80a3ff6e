#include "session.h"

#include "catalogue/datafilelocation.h"
#include "catalogue/mainfilereader.h"
#include "catalogue/topictable.h"
#include "catalogue/userfilereader.h"
#include "datalocation.h"

#include <QFileInfo>

namespace tolvarin::cli {

namespace {

DataFileConfig dataFilesOf(const Options& options)
{
    DataFileConfig config;
    config.level = options.level;
    config.locale = options.locale;

    const DataFolders folders = standardDataFolders(programFolder());
    if (options.mainData) {
        config.mainPath = *options.mainData;
    } else {
        config.mainPath = locateDataFile(config.mainName, folders);
        // No folder has it: the reader reports the file missing by name.
        if (config.mainPath.isEmpty()) config.mainPath = folders.installed + QLatin1Char('/') + config.mainName;
    }
    // The user file is the user's own addition: a missing default one is no
    // error, a missing one named on the command line is.
    config.userPath = options.userData ? *options.userData : locateDataFile(config.userName, folders);

    config.mainName = QFileInfo(config.mainPath).fileName();
    if (!config.userPath.isEmpty()) config.userName = QFileInfo(config.userPath).fileName();
    return config;
}

}  // namespace

QString terminalText(const QString& messageText)
{
    QString text = messageText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

Session::Session(const Options& options, CliOutput& output)
    : options_(options),
      output_(output),
      config_(dataFilesOf(options)),
      catalogue_(std::make_unique<UnitCatalogue>())
{
}

bool Session::load(const QStringList& unitWords)
{
    if (!reportReader(readMainDataFileForUnits(*catalogue_, config_, unitWords), config_.mainPath,
                      QStringLiteral("--data")))
        return false;
    if (!reportReader(readUserDataFile(*catalogue_, config_), config_.userPath, QStringLiteral("--user-data")))
        return false;

    // The user topics' titles as the window names them before the user
    // renames them: a title from the user file, otherwise "Uživatel n".
    for (int n : catalogue_->usedUserTopics()) {
        const QString fromFile = catalogue_->userTitleFromFile(n);
        catalogue_->setTitle(kBuiltinTopicCount + n, fromFile.isEmpty() ? defaultUserTopicTitle(n) : fromFile);
    }
    return true;
}

bool Session::reportReader(const DataFileReport& report, const QString& path, const QString& option)
{
    if (report.isClean()) return true;
    dataHadMessages_ = true;
    for (const ReportMessage& message : report.messages) error(message.text);
    error(QStringLiteral("Datový soubor: ") + QFileInfo(path).absoluteFilePath());
    // The readers' advice points to the window's options dialog.
    if (!QFileInfo(path).isFile()) error(QStringLiteral("Jiný datový soubor zadejte volbou %1.").arg(option));
    return report.readToEnd;
}

void Session::printMessages(const RecordingMessageSink& sink)
{
    for (const RecordingMessageSink::Message& message : sink.messages) error(message.text);
}

std::optional<std::vector<int>> Session::scope()
{
    if (!options_.topic) return topicSlots(*catalogue_);
    const std::optional<int> slot = topic(*options_.topic);
    if (!slot) return std::nullopt;
    return std::vector<int>{*slot};
}

std::optional<int> Session::topic(const QString& word)
{
    const std::vector<int> found = findTopics(*catalogue_, word);
    if (found.size() == 1) return found.front();
    if (found.empty()) {
        error(QStringLiteral("Téma „%1“ nebylo nalezeno. Seznam témat vypíše příkaz list.").arg(word));
        return std::nullopt;
    }
    QString text = QStringLiteral("Téma „%1“ je nejednoznačné, může to být:").arg(word);
    for (int slot : found) text += QStringLiteral("\n  ") + describeTopic(*catalogue_, slot);
    error(text + QStringLiteral("\nZadejte téma jeho číslem."));
    return std::nullopt;
}

std::optional<UnitRef> Session::unit(const QString& word, const std::vector<int>& topics)
{
    const std::vector<UnitRef> found = findUnits(*catalogue_, word, topics);
    if (found.size() == 1) return found.front();
    error(found.empty() ? unknownUnitText(word) : ambiguousUnitText(word, found));
    return std::nullopt;
}

QString Session::unknownUnitText(const QString& word)
{
    return QStringLiteral("Jednotka „%1“ nebyla nalezena.").arg(word);
}

QString Session::ambiguousUnitText(const QString& word, const std::vector<UnitRef>& candidates) const
{
    QString text = QStringLiteral("Jednotka „%1“ je nejednoznačná, může to být:").arg(word);
    for (const UnitRef& candidate : candidates) text += QStringLiteral("\n  ") + describeUnit(*catalogue_, candidate);
    return text + QStringLiteral("\nUpřesněte téma volbou --topic, nebo zadejte název jednotky.");
}

}  // namespace tolvarin::cli
