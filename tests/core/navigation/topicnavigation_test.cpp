#include "navigation/topicnavigation.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

const std::vector<int> kNoUser;
const std::vector<int> kOneUser{27};
const std::vector<int> kGappedUser{27, 29};  // user topics 1 and 3

struct StepCase {
    int slot;
    Step step;
    const std::vector<int>* users;
    int expected;
};

TEST(TopicNavigation, StepsStayWithinTheirGroup)
{
    const StepCase cases[] = {
        {0, Step::Next, &kNoUser, 2},         {0, Step::Previous, &kNoUser, 0},
        {1, Step::Previous, &kNoUser, 1},     {1, Step::Next, &kNoUser, 2},
        {2, Step::Previous, &kNoUser, 1},     {25, Step::Next, &kNoUser, 26},
        {26, Step::Next, &kNoUser, 26},       {26, Step::Next, &kOneUser, 26},
        {27, Step::Previous, &kOneUser, 27},  {27, Step::Next, &kOneUser, 27},
        {27, Step::Next, &kGappedUser, 29},   {29, Step::Previous, &kGappedUser, 27},
        {29, Step::Next, &kGappedUser, 29},   {27, Step::Previous, &kGappedUser, 27},
    };
    for (const StepCase& c : cases)
        EXPECT_EQ(steppedTopic(c.slot, c.step, *c.users), c.expected) << c.slot << " step " << int(c.step);
}

struct AvailabilityCase {
    int slot;
    const std::vector<int>* users;
    BackForward expected;
};

TEST(TopicNavigation, BackAndForwardAvailability)
{
    const AvailabilityCase cases[] = {
        {0, &kNoUser, {false, true}},      {1, &kNoUser, {false, true}},   {2, &kNoUser, {true, true}},
        {26, &kNoUser, {true, false}},     {27, &kOneUser, {false, true}},  // first user topic: only "Zpět" is off
        {27, &kGappedUser, {false, true}}, {29, &kGappedUser, {true, false}},
    };
    for (const AvailabilityCase& c : cases) EXPECT_EQ(NavigaceSet(c.slot, *c.users), c.expected) << c.slot;
}

}  // namespace
