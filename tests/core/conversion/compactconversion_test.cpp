#include "conversion/compactconversion.h"

#include "catalogue/topictable.h"
#include "support/testfiles.h"
#include "testtopics.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using namespace tolvarin::test;
using Status = CompactOutcome::Status;

namespace {

TEST(CompactConversion, Table)
{
    const char* statuses[] = {"Converted", "NothingToDo", "BelowAbsoluteZero", "Failed"};
    const QList<QStringList> rows = dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/compact.txt"), 5, 16);
    for (const QLocale* locale : kLocales) {
        for (const QStringList& f : rows) {
            const auto& [slot, units] = namedTopic(f[0]);
            const CompactOutcome outcome =
                convertCompact(localText(f[1], *locale), units, f[2].toInt(), f[3].toInt(), topicRules(slot), *locale);
            QString shown = QString::fromLatin1(statuses[int(outcome.status)]);
            if (!outcome.text.isEmpty()) shown += u' ' + outcome.text;
            if (outcome.status == Status::Failed) shown += QStringLiteral(" error %1").arg(int(outcome.error));
            EXPECT_EQ(shown, localText(f[4], *locale)) << locale->name().toStdString() << ": " << rowName(f);
        }
    }
}

}  // namespace
