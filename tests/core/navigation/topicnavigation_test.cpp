#include "navigation/topicnavigation.h"

#include "support/testtext.h"

#include <gtest/gtest.h>

using namespace tolvarin;

namespace {

const std::vector<int> kNoUser;
const std::vector<int> kOneUser{27};
const std::vector<int> kGappedUser{27, 29};  // user topics 1 and 3

// From a slot: the slot that "Zpět" and "Vpřed" open, and which of them are available.
struct StepCase {
    int slot;
    const std::vector<int>* users;
    int previous;
    int next;
    BackForward available;
};

TEST(TopicNavigation, StepsStayWithinTheirGroup)
{
    const StepCase cases[] = {
        {0, &kNoUser, 0, 2, {false, true}},  // the start screen: "next" opens slot 2
        {1, &kNoUser, 1, 2, {false, true}},
        {2, &kNoUser, 1, 3, {true, true}},
        {26, &kNoUser, 25, 26, {true, false}},
        {26, &kOneUser, 25, 26, {true, false}},  // never across into the user topics
        {27, &kOneUser, 27, 27, {false, true}},  // the first user topic: only "Zpět" is off
        {27, &kGappedUser, 27, 29, {false, true}},
        {29, &kGappedUser, 27, 29, {true, false}},
    };
    for (const StepCase& c : cases) {
        EXPECT_EQ(steppedTopic(c.slot, Step::Previous, *c.users), c.previous) << c.slot;
        EXPECT_EQ(steppedTopic(c.slot, Step::Next, *c.users), c.next) << c.slot;
        EXPECT_EQ(backForwardState(c.slot, *c.users), c.available) << c.slot;
    }
}

}  // namespace
