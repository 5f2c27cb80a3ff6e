#include "output/outsideservices.h"

#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

TEST(MailtoLink, GivenFieldsInOrderEncodedAsUtf8)
{
    const QStringList lines = test::dataFileLines(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/mailto.txt"));
    ASSERT_GE(lines.size(), 9);
    for (const QString& line : lines) {
        const QStringList f = test::dataFields(line);
        ASSERT_EQ(f.size(), 6) << line.toStdString();
        EXPECT_EQ(mailtoLink(f[0], {f[1], f[2], f[3], f[4]}), f[5]) << line.toStdString();
    }
}
