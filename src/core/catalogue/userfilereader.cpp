#include "catalogue/userfilereader.h"

#include "catalogue/datafiletext.h"
#include "catalogue/numericreading.h"
#include "catalogue/readermessages.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace tolvarin {

namespace {

constexpr int kMinFields = 4;

// "'U3=Frekvence" names user topic 3 unless the settings name it otherwise.
void readTitleComment(UnitCatalogue& catalogue, const QString& comment)
{
    static const QRegularExpression titleLine(QStringLiteral("^'U(\\d{1,2})=(.+)$"));
    const QRegularExpressionMatch match = titleLine.match(comment);
    if (!match.hasMatch()) return;
    const int n = match.captured(1).toInt();
    const QString title = match.captured(2).trimmed();
    if (n >= 1 && n <= kMaxUserTopics && !title.isEmpty()) catalogue.setUserTitleFromFile(n, title);
}

}  // namespace

DataFileReport readUserDataFile(UnitCatalogue& catalogue, const DataFileConfig& config)
{
    DataFileReport report;
    auto fail = [&](ErrorCode error, int line) {
        report.add(ReportSeverity::Fatal, config.userName, line,
                   readermessages::userFileError(error, config.userName, line));
        return report;
    };
    if (config.userPath.isEmpty()) return report;
    if (!QFileInfo::exists(config.userPath)) return fail(ErrorCode::FileNotFound, 0);
    QFile file(config.userPath);
    if (!file.open(QIODevice::ReadOnly)) return fail(ErrorCode::PathAccess, 0);
    const DecodedText decoded = decodeDataFile(file.readAll());
    catalogue.userFileEncoding = decoded.encoding;

    bool anyRecord = false;
    int lineNumber = 0;
    for (const QString& line : splitLines(decoded.text)) {
        ++lineNumber;
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('\''))) {
            readTitleComment(catalogue, trimmed);
            continue;
        }
        if (trimmed.isEmpty()) continue;  // blank lines of a hand-edited file carry nothing

        const QStringList fields = line.split(QLatin1Char('|'));
        if (!anyRecord && fields.size() < kMinFields) return fail(ErrorCode::SubscriptOutOfRange, lineNumber);
        const double topicValue = std::nearbyint(plainReading(fields[0]));
        if (!(topicValue >= 0.0 && topicValue <= kMaxUserTopics)) return fail(ErrorCode::SubscriptOutOfRange, lineNumber);
        const int topic = int(topicValue);
        const int slot = kBuiltinTopicCount + topic;
        if (catalogue.count(slot) >= kMaxRows) return fail(ErrorCode::SubscriptOutOfRange, lineNumber);

        double coefficient = 0.0;
        if (fields.size() > 3) {
            if (fields[3].contains(QLatin1Char(',')))
                report.add(ReportSeverity::Warning, config.userName, lineNumber,
                           readermessages::commaInNumber(lineNumber, config.userName, fields[3]));
            coefficient = plainReading(fields[3]);
            if (!std::isfinite(coefficient)) return fail(ErrorCode::Overflow, lineNumber);
        }

        catalogue.markUserTopicUsed(topic);
        const int row = catalogue.count(slot) + 1;
        catalogue.setCount(slot, row);
        catalogue.unit(slot, row) = Unit{fields.value(1), fields.value(2), coefficient, fields.value(4)};
        anyRecord = true;
    }
    return report;
}

}  // namespace tolvarin
