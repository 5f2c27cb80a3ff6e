#include "conversion/compactconversion.h"

#include "catalogue/topictable.h"
#include "testtopics.h"

#include <gtest/gtest.h>

using namespace tolvarin;
using namespace tolvarin::test;
using Status = CompactOutcome::Status;

namespace {

struct CompactCase {
    const char* entered;  // written the Czech way
    int source;
    int target;
    Status status;
    const char* result;  // the other box's new text, the Czech way; empty when it keeps its text
    ErrorCode error = ErrorCode::InvalidArgument;  // when Failed
};

void check(const std::vector<Unit>& units, int slot, std::initializer_list<CompactCase> cases)
{
    for (const QLocale* locale : kLocales) {
        for (const CompactCase& c : cases) {
            const std::string where = locale->name().toStdString() + ": " + c.entered;
            const CompactOutcome outcome =
                convertCompact(localText(c.entered, *locale), units, c.source, c.target, topicRules(slot), *locale);
            EXPECT_EQ(outcome.status, c.status) << where;
            EXPECT_EQ(outcome.text, localText(c.result, *locale)) << where;
            if (c.status == Status::Failed) {
                EXPECT_EQ(outcome.error, c.error) << where;
            }
        }
    }
}

TEST(CompactConversion, Table)
{
    std::vector<Unit> length = lengthUnits();  // m, km, mm and a unit of coefficient zero
    length.push_back({"nic", "", 0.0, {}});
    check(length, 1,
          {
              {"1500", 0, 1, Status::Converted, "1,5"},
              {"2", 1, 0, Status::Converted, "2000"},
              {"1 500,5", 0, 1, Status::Converted, "1,5005"},  // the grouped form the program shows
              {"0", 0, 1, Status::NothingToDo, ""},
              {"-5", 0, 1, Status::NothingToDo, ""},
              {"abc", 0, 1, Status::Failed, "", ErrorCode::TypeMismatch},
              {"", 0, 1, Status::Failed, "", ErrorCode::TypeMismatch},
              {"inf", 0, 1, Status::Failed, "", ErrorCode::TypeMismatch},
              {"1e400", 0, 1, Status::Failed, "", ErrorCode::Overflow},
              {"1E+308", 1, 2, Status::Failed, "", ErrorCode::Overflow},  // the result is infinite
              {"5", 0, 3, Status::Failed, "", ErrorCode::DivisionByZero},
          });
    // A topic with one unit: the second side is unbound.
    check({lengthUnits().front()}, 1, {{"5", 0, 1, Status::Failed, "", ErrorCode::SubscriptOutOfRange}});
    check(temperatureUnits(), kTemperatureSlot,
          {
              {"100", 1, 2, Status::Converted, "212"},
              {"-40", 1, 2, Status::Converted, "-40"},
              {"0", 1, 0, Status::Converted, "273,15"},
              {"-273,15", 1, 2, Status::BelowAbsoluteZero, ""},
          });
}

}  // namespace
