// The representations of a cell's value: what the user sees, and whether and
// why the value was refused. The cases are in data/representations.txt.
#include "numbers/representation.h"

#include "support/testfiles.h"
#include "support/testlocales.h"
#include "support/testtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <optional>

using namespace tolvarin;
using tolvarin::test::u;

namespace {

using R = Representation;

const std::map<QString, R> kRepresentations = {
    {"bin", R::Binary},
    {"oct", R::Octal},
    {"hex", R::Hexadecimal},
    {"base", R::OwnBase},
    {"based", R::OwnBaseWithPlaces},
    {"fraction", R::Fraction},
    {"roman", R::Roman},
};
const std::map<QString, RefusalReason> kReasons = {
    {"NoNumber", RefusalReason::NoNumber},       {"NotPositive", RefusalReason::NotPositive},
    {"TooLarge", RefusalReason::TooLarge},       {"BelowOne", RefusalReason::BelowOne},
    {"WholeNumber", RefusalReason::WholeNumber}, {"BelowSensitivity", RefusalReason::BelowSensitivity},
    {"OutOfRange", RefusalReason::OutOfRange},
};

TEST(Representation, CasesOfTheDataFile)
{
    for (const QStringList& f : test::dataRows(QStringLiteral(TOLVARIN_TEST_DATA_DIR "/representations.txt"), 0, 80)) {
        ASSERT_TRUE(f.size() >= 5 && kRepresentations.contains(f[0])) << test::rowName(f);
        RepresentationSettings settings;
        if (const QStringList s = f[3].split(u' ', Qt::SkipEmptyParts); s.size() == 3)
            settings = {s[0].toInt(), s[1].toInt(), s[2].toInt()};
        const RepresentationOutcome outcome =
            represent(kRepresentations.at(f[0]), f[2], settings, f[1] == "cs" ? kCzech : kEnglish);
        const QString reason = f.value(5);  // none when the line names none
        EXPECT_EQ(outcome.shownText(), f[4]) << test::rowName(f);
        EXPECT_EQ(outcome.refusal ? std::optional(outcome.refusal->reason) : std::nullopt,
                  reason.isEmpty() ? std::nullopt : std::optional(kReasons.at(reason)))
            << test::rowName(f);
        EXPECT_EQ(outcome.text.isEmpty(), outcome.refused()) << test::rowName(f);
    }
}

TEST(Representation, ValueWithoutCellText)
{
    const RepresentationSettings settings;
    EXPECT_EQ(represent(R::OwnBaseWithPlaces, 10.5, settings, kCzech).text, u("10,5 dekadicky = (A,6)12"));
    EXPECT_EQ(represent(R::Hexadecimal, 255.9, settings, kEnglish).text, u("255 dekadicky = FF hexadecimálně."));
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [value, name] : {std::pair{inf, "inf"}, {-inf, "-inf"}, {std::nan(""), "nan"}}) {
        for (const auto& [word, as] : kRepresentations) {
            const RepresentationOutcome outcome = represent(as, value, settings, kCzech);
            EXPECT_EQ(outcome.refusal, (Refusal{RefusalReason::OutOfRange, u(name)})) << name << " as " << int(as);
        }
    }
}

}  // namespace
