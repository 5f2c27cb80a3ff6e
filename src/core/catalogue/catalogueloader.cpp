#include "catalogue/catalogueloader.h"

#include "catalogue/mainfilereader.h"
#include "catalogue/topictable.h"
#include "catalogue/userfilereader.h"

namespace tolvarin {

namespace {

void appendUnits(const UnitCatalogue& catalogue, int slot, QList<UnitListEntry>& entries)
{
    const QString key = topicKey(slot);
    for (int row = 0; row <= catalogue.count(slot); ++row) {
        const QString& name = catalogue.unit(slot, row).name;
        if (!name.isEmpty()) entries.append({name, key, unitTag(slot, row)});
    }
}

}  // namespace

DataFileReport reloadCatalogue(UnitCatalogue& catalogue, const DataFileConfig& config)
{
    // The rows come back from the files: no topic keeps hidden or marked rows,
    // the user's topics included, whose marks would no longer match them.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        catalogue.setHidden(slot, false);
        for (int row = 0; row <= kMaxRows; ++row) catalogue.setMarked(slot, row, false);
    }
    DataFileReport report = readMainDataFile(catalogue, config);
    report.append(readUserDataFile(catalogue, config));
    return report;
}

QList<UnitListEntry> unitListEntries(const UnitCatalogue& catalogue)
{
    QList<UnitListEntry> entries;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) appendUnits(catalogue, slot, entries);
    for (int topic : catalogue.usedUserTopics()) appendUnits(catalogue, kBuiltinTopicCount + topic, entries);
    return entries;
}

QString topicCounterText(const UnitCatalogue& catalogue)
{
    int topics = 0;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot)
        if (catalogue.count(slot) >= 1) ++topics;
    return QStringLiteral("Témat: ") + QString::number(topics) + QLatin1Char('+') +
           QString::number(catalogue.usedUserTopicCount());
}

QString unitCounterText(const UnitCatalogue& catalogue)
{
    int total = 0;
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) total += catalogue.count(slot);
    return QStringLiteral("Jednotek v aplikaci: ") + QString::number(total);
}

}  // namespace tolvarin
