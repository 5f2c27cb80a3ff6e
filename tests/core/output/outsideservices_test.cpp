#include "output/outsideservices.h"

#include "support/testfiles.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

TEST(MailtoLink, GivenFieldsInOrderEncodedAsUtf8)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/mailto.txt"), 6, 9)) {
        EXPECT_EQ(mailtoLink(f[0], {f[1], f[2], f[3], f[4]}), f[5]) << test::rowName(f);
    }
}
