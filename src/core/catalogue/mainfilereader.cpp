#include "catalogue/mainfilereader.h"

#include "catalogue/datafiletext.h"
#include "catalogue/mainfilescan.h"
#include "catalogue/numericreading.h"
#include "catalogue/readermessages.h"

#include <QVarLengthArray>

#include <cmath>
#include <limits>
#include <optional>
#include <variant>

namespace tolvarin {

namespace {

constexpr int kMaxFields = 6;
constexpr int kMaxLines = std::numeric_limits<qint16>::max();

std::optional<bool> readTruthValue(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (const std::optional<double> number = regionalReading(trimmed, locale)) return *number != 0.0;
    return std::nullopt;
}

// The fields of a line, cut at every "|". Cutting stops at one field more
// than a line may hold, which is enough to tell that it holds too many. Views
// rather than copies: only the fields that are kept become texts.
using FieldViews = QVarLengthArray<QStringView, kMaxFields + 1>;

// The level a name's marker gives: "+" level 2, "*" level 3.
UnitLevel levelOf(const QString& name)
{
    if (name.startsWith(QLatin1Char('+'))) return UnitLevel::Level2;
    if (name.startsWith(QLatin1Char('*'))) return UnitLevel::Level3;
    return UnitLevel::Level1;
}

FieldViews cutFields(QStringView line)
{
    FieldViews fields;
    qsizetype start = 0;
    while (fields.size() < kMaxFields) {
        const qsizetype bar = line.indexOf(QLatin1Char('|'), start);
        if (bar < 0) break;
        fields.append(line.sliced(start, bar - start));
        start = bar + 1;
    }
    fields.append(line.sliced(start));
    return fields;
}

// One pass over the main file. Carries the fields 2..4 from line to line and
// the running row number through each section.
class MainFileLoad {
public:
    MainFileLoad(UnitCatalogue& catalogue, const DataFileConfig& config, FileReportWriter& report)
        : catalogue_(catalogue), config_(config), report_(report)
    {
    }

    void run(const QList<QStringView>& lines)
    {
        for (QStringView line : lines) {
            if (++lineNumber_ > kMaxLines) return fail(readermessages::loadError(ErrorCode::Overflow));
            if (!readLine(line)) return;
        }
        countBuiltinUnits(catalogue_);
    }

private:
    // Returns false when the load has to end.
    bool readLine(QStringView line)
    {
        // A comment is skipped whole, whatever it holds: its pipes neither
        // count as fields nor carry texts over to the next line.
        if (line.startsWith(u'\'')) return true;
        // Control characters reach neither the catalogue nor a message.
        QString cleanLine;
        if (hasControlCharacters(line)) {
            cleanLine = withoutControlCharacters(line);
            line = cleanLine;
            warn([&] { return readermessages::controlCharacters(config_.mainName, lineNumber_); });
        }
        const FieldViews parts = cutFields(line);
        const QString topicField = parts[0].toString();
        const bool isNumber = regionalReading(topicField, config_.locale).has_value();
        if (parts.size() > kMaxFields) return failed(readermessages::loadError(ErrorCode::SubscriptOutOfRange));
        if (parts.size() > 1) name_ = parts[1].toString();
        if (parts.size() > 2) symbol_ = parts[2].toString();
        if (parts.size() > 3) coefficientText_ = parts[3].toString();
        const QString info = parts.size() > 4 ? parts[4].toString() : QString();
        const QString flagText = parts.size() > 5 ? parts[5].toString() : QStringLiteral("False");

        if (!isNumber) {
            // A line that names no topic is reported and skipped, so it can
            // neither land in slot 0 nor leave a gap in the section it stands in.
            warn([&] { return readermessages::badValue(lineNumber_, config_.mainName, topicField); });
            return true;
        }
        if (coefficientText_.contains(QLatin1Char(',')))
            warn([&] { return readermessages::commaInNumber(lineNumber_, config_.mainName, coefficientText_); });

        const Result<double> coefficient = readCoefficient(coefficientText_, config_.locale);
        if (!coefficient.ok()) {
            if (coefficient.error() == ErrorCode::TypeMismatch)
                return failed(readermessages::typeError(config_.mainName));
            return failed(readermessages::loadError(coefficient.error()));
        }

        QString name = name_;
        const UnitLevel level = levelOf(name);
        if (!levelShows(config_.level, level)) return true;
        if (level != UnitLevel::Level1) name.remove(0, 1);

        const double topicValue = std::nearbyint(plainReading(topicField));
        if (!(topicValue >= 0.0 && topicValue <= 255.0)) return failed(readermessages::loadError(ErrorCode::Overflow));
        const std::optional<bool> startsSection = readTruthValue(flagText, config_.locale);
        if (!startsSection) return failed(readermessages::typeError(config_.mainName));

        return store(int(topicValue), *startsSection, Unit{name, symbol_, coefficient.value(), info, level});
    }

    bool store(int topic, bool startsSection, Unit unit)
    {
        if (startsSection) runningRow_ = 0;
        ++runningRow_;
        if (topic > kLastSlot || runningRow_ > kMaxRows) {
            if (topic >= kTitleCount) return failed(readermessages::loadError(ErrorCode::SubscriptOutOfRange));
            report_.addLineMessage(ReportSeverity::Error, lineNumber_, [&] {
                return readermessages::tooManyRecords(topic, catalogue_.title(topic), config_.mainName);
            });
            return true;
        }
        catalogue_.unit(topic, runningRow_) = std::move(unit);
        return true;
    }

    template <typename MakeText>
    void warn(const MakeText& makeText)
    {
        report_.addLineMessage(ReportSeverity::Warning, lineNumber_, makeText);
    }
    void fail(const QString& text) { report_.addFileMessage(ReportSeverity::Fatal, lineNumber_, text); }
    bool failed(const QString& text)
    {
        fail(text);
        return false;
    }

    UnitCatalogue& catalogue_;
    const DataFileConfig& config_;
    FileReportWriter& report_;
    int lineNumber_ = 0;
    QString name_;
    QString symbol_;
    QString coefficientText_;
    int runningRow_ = 0;  // starts afresh with every load
};

// The main file's bytes, or the report of why there are none.
std::variant<QByteArray, DataFileReport> mainFileBytes(const DataFileConfig& config)
{
    const auto fail = [&](const QString& text) { return DataFileReport::fatal(config.mainName, text); };
    DataFileBytes read = readDataFileBytes(config.mainPath);
    switch (read.status) {
        case DataFileBytes::Status::Missing: return fail(readermessages::fileMissing(config.mainName));
        case DataFileBytes::Status::TooLarge: return fail(readermessages::fileTooLarge(config.mainName));
        case DataFileBytes::Status::Failed: return fail(readermessages::loadError(ErrorCode::PathAccess));
        case DataFileBytes::Status::Read: break;
    }
    return std::move(read.bytes);
}

}  // namespace

void countBuiltinUnits(UnitCatalogue& catalogue)
{
    // Counted through the reading accessor, which makes no rows: a topic
    // that was not read stays without storage.
    const UnitCatalogue& units = catalogue;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
        int count = 0;
        while (count < kMaxRows && !units.unit(slot, count + 1).name.isEmpty()) ++count;
        catalogue.setCount(slot, count);
    }
}

DataFileReport readMainDataFile(UnitCatalogue& catalogue, const DataFileConfig& config)
{
    return readMainDataFileForUnits(catalogue, config, {});
}

DataFileReport readMainDataFileForUnits(UnitCatalogue& catalogue, const DataFileConfig& config,
                                        const QStringList& words)
{
    std::variant<QByteArray, DataFileReport> read = mainFileBytes(config);
    if (DataFileReport* failed = std::get_if<DataFileReport>(&read)) {
        catalogue.clearNamesAndCounts();
        return *failed;
    }
    const QByteArray& bytes = std::get<QByteArray>(read);
    if (words.isEmpty()) return readMainDataBytes(catalogue, config, bytes);
    if (std::optional<DataFileReport> quick = readMainDataTopicsNaming(catalogue, config, bytes, words))
        return *quick;
    return readMainDataBytes(catalogue, config, bytes);
}

DataFileReport readMainDataBytes(UnitCatalogue& catalogue, const DataFileConfig& config, const QByteArray& bytes)
{
    catalogue.clearNamesAndCounts();
    const DecodedText decoded = decodeDataFile(bytes);
    if (!decoded.unreadableEncoding.isEmpty())
        return DataFileReport::fatal(config.mainName,
                                     readermessages::unreadableEncoding(config.mainName, decoded.unreadableEncoding));
    DataFileReport report;
    FileReportWriter writer(report, config.mainName);
    catalogue.mainFileEncoding = decoded.encoding;
    if (decoded.invalidUtf8Line > 0)
        writer.addFileMessage(ReportSeverity::Warning, decoded.invalidUtf8Line,
                              readermessages::invalidUtf8(config.mainName, decoded.invalidUtf8Line));
    MainFileLoad(catalogue, config, writer).run(lineViews(decoded.text));
    writer.finish();
    return report;
}

}  // namespace tolvarin
