// Every representation and the prefix view against input they were never
// meant for: each must answer with a result, a refusal or nothing, and never
// show a number that is not one.
#include "numbers/prefixview.h"
#include "numbers/representation.h"

#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

using R = Representation;
constexpr R kAll[] = {R::Binary, R::Octal, R::Hexadecimal, R::OwnBase, R::OwnBaseWithPlaces, R::Fraction, R::Roman};

// Own bases, places and sensitivities as a hand-edited settings store might hold them.
const RepresentationSettings kSettings[] = {{12, 6, 3}, {2, 16, 9},   {32, 1, 1},           {-32768, -1, 0},
                                            {1, 0, -1}, {33, 17, 10}, {32767, 32767, 32767}};

bool looksLikeNoNumber(const QString& text)
{
    return text.contains(QLatin1String("inf"), Qt::CaseInsensitive) ||
           text.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

void expectSane(const RepresentationOutcome& outcome, const std::string& what)
{
    const QString shown = outcome.shownText();
    EXPECT_EQ(shown.isEmpty(), outcome.refusedBecause(RefusalReason::NoNumber)) << what;
    EXPECT_LT(shown.size(), 200) << what;
    const bool namesTheValue = outcome.refusedBecause(RefusalReason::OutOfRange);
    EXPECT_TRUE(namesTheValue || !looksLikeNoNumber(shown)) << what << ": " << shown.toStdString();
}

TEST(HostileInput, CellTexts)
{
    const QStringList texts = test::dataFileLines(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/hostile.txt"));
    ASSERT_GE(texts.size(), 30);
    for (const QLocale* locale : {&kCzech, &kEnglish}) {
        for (const QString& cell : texts) {
            const std::string what = std::string(localeName(locale)) + " '" + cell.toStdString() + "'";
            for (const RepresentationSettings& settings : kSettings)
                for (R as : kAll)
                    expectSane(represent(as, cell, settings, *locale),
                               what + " as " + std::to_string(int(as)) + " base " + std::to_string(settings.ownBase));
            const Result<PrefixViewValues> view =
                computePrefixView(cell, 0, std::vector<double>{1, 1e24, 1e-24}, *locale);
            for (const QString& text : view.ok() ? view.value().texts : QStringList())
                EXPECT_FALSE(looksLikeNoNumber(text)) << what;
        }
    }
}

TEST(HostileInput, ExtremeValuesWithoutCellText)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/hostilevalues.txt"), 1, 10)) {
        bool read = false;
        const double value = f[0].toDouble(&read);
        ASSERT_TRUE(read) << test::rowName(f);
        for (R as : kAll) expectSane(represent(as, value, {12, 16, 9}, kEnglish), test::rowName(f));
    }
}

}  // namespace
