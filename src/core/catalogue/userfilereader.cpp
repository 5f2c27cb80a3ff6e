#include "catalogue/userfilereader.h"

#include "catalogue/datafiletext.h"
#include "catalogue/numericreading.h"
#include "catalogue/readermessages.h"

#include <cmath>

namespace tolvarin {

namespace {

// The fields of a user file line that are read: topic, name, symbol,
// coefficient and information. The line is cut only as far as they reach,
// however many "|" it holds.
struct UserFields {
    QStringView topic;
    QStringView name;
    QStringView symbol;
    QStringView coefficient;
    QStringView info;
};

UserFields cutUserFields(QStringView line)
{
    UserFields out;
    QStringView* const targets[] = {&out.topic, &out.name, &out.symbol, &out.coefficient, &out.info};
    qsizetype start = 0;
    for (QStringView* target : targets) {
        const qsizetype bar = line.indexOf(u'|', start);
        *target = bar < 0 ? line.sliced(start) : line.sliced(start, bar - start);
        if (bar < 0) break;
        start = bar + 1;
    }
    return out;
}

// "'U3=Frekvence" names user topic 3 unless the settings name it otherwise.
void readTitleComment(UnitCatalogue& catalogue, const QString& comment, int lineNumber, FileReportWriter& report)
{
    // One or two digits, "=" and a title; read by hand, as a pattern would
    // cost more than the rest of the file.
    if (!comment.startsWith(QLatin1String("'U"))) return;
    qsizetype i = 2;
    int n = 0;
    for (; i < comment.size() && i < 4 && comment[i] >= u'0' && comment[i] <= u'9'; ++i)
        n = n * 10 + (comment[i].unicode() - u'0');
    if (i == 2 || i + 1 >= comment.size() || comment[i] != u'=') return;
    QString title = comment.sliced(i + 1).trimmed();
    if (hasControlCharacters(title)) {
        title = withoutControlCharacters(title);
        report.addLineMessage(ReportSeverity::Warning, lineNumber,
                              [&] { return readermessages::controlCharacters(report.fileName(), lineNumber); });
    }
    if (n >= 1 && n <= kMaxUserTopics && !title.isEmpty()) catalogue.setUserTitleFromFile(n, title);
}

// One line of the user file. A bad line is reported with its number and
// left out; the lines after it, and the other topics, still load.
void readUserLine(UnitCatalogue& catalogue, int lineNumber, QStringView line, FileReportWriter& report)
{
    const QString& name = report.fileName();
    const auto reject = [&](const auto& makeText) {
        report.addLineMessage(ReportSeverity::Error, lineNumber, makeText);
    };
    // Control characters reach neither the catalogue nor a message.
    QString cleanLine;
    if (hasControlCharacters(line)) {
        cleanLine = withoutControlCharacters(line);
        line = cleanLine;
        report.addLineMessage(ReportSeverity::Warning, lineNumber,
                              [&] { return readermessages::controlCharacters(name, lineNumber); });
    }
    const UserFields fields = cutUserFields(line);
    const double topicValue = std::nearbyint(plainReading(fields.topic));
    if (!(topicValue >= 1.0 && topicValue <= kMaxUserTopics))
        return reject(
            [&] { return readermessages::userFileError(ErrorCode::SubscriptOutOfRange, name, lineNumber); });
    const int topic = int(topicValue);
    const int slot = kBuiltinTopicCount + topic;
    if (catalogue.count(slot) >= kMaxRows)
        return reject([&] { return readermessages::tooManyRecords(slot, catalogue.title(slot), name); });
    if (fields.coefficient.contains(u','))
        report.addLineMessage(ReportSeverity::Warning, lineNumber, [&] {
            return readermessages::commaInNumber(lineNumber, name, fields.coefficient.toString());
        });
    // A unit without a usable coefficient would fail every conversion of its
    // topic with a division by zero.
    const double coefficient = plainReading(fields.coefficient);
    if (!std::isfinite(coefficient) || (coefficient != 0.0 && !std::isnormal(coefficient)))
        return reject([&] { return readermessages::userFileError(ErrorCode::Overflow, name, lineNumber); });
    if (coefficient == 0.0)
        return reject([&] { return readermessages::badValue(lineNumber, name, fields.coefficient.toString()); });

    catalogue.markUserTopicUsed(topic);
    const int row = catalogue.count(slot) + 1;
    catalogue.setCount(slot, row);
    catalogue.unit(slot, row) =
        Unit{fields.name.toString(), fields.symbol.toString(), coefficient, fields.info.toString()};
}

}  // namespace

DataFileReport readUserDataFile(UnitCatalogue& catalogue, const DataFileConfig& config)
{
    const QString& name = config.userName;
    const auto fail = [&](const QString& text) { return DataFileReport::fatal(name, text); };
    if (config.userPath.isEmpty()) return {};
    const DataFileBytes read = readDataFileBytes(config.userPath);
    switch (read.status) {
        case DataFileBytes::Status::Missing:
            return fail(readermessages::userFileError(ErrorCode::FileNotFound, name, 0));
        case DataFileBytes::Status::TooLarge: return fail(readermessages::fileTooLarge(name));
        case DataFileBytes::Status::Failed: return fail(readermessages::userFileError(ErrorCode::PathAccess, name, 0));
        case DataFileBytes::Status::Read: break;
    }
    return readUserDataBytes(catalogue, config, read.bytes);
}

DataFileReport readUserDataBytes(UnitCatalogue& catalogue, const DataFileConfig& config, const QByteArray& bytes)
{
    const QString& name = config.userName;
    const DecodedText decoded = decodeDataFile(bytes);
    if (!decoded.unreadableEncoding.isEmpty())
        return DataFileReport::fatal(name, readermessages::unreadableEncoding(name, decoded.unreadableEncoding));
    DataFileReport report;
    FileReportWriter writer(report, name);
    catalogue.userFileEncoding = decoded.encoding;
    if (decoded.invalidUtf8Line > 0)
        writer.addFileMessage(ReportSeverity::Warning, decoded.invalidUtf8Line,
                              readermessages::invalidUtf8(name, decoded.invalidUtf8Line));

    int lineNumber = 0;
    for (QStringView line : lineViews(decoded.text)) {
        ++lineNumber;
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(u'\'')) {
            readTitleComment(catalogue, trimmed.toString(), lineNumber, writer);
        } else if (!trimmed.isEmpty()) {  // blank lines of a hand-edited file carry nothing
            readUserLine(catalogue, lineNumber, line, writer);
        }
    }
    writer.finish();
    return report;
}

}  // namespace tolvarin
