#include "navigation/topicnavigation.h"

#include "catalogue/topictable.h"

#include <algorithm>

namespace tolvarin {

namespace {

// Position of slot in the user list, or -1.
int userPosition(int slot, const std::vector<int>& userSlots)
{
    const auto it = std::find(userSlots.begin(), userSlots.end(), slot);
    return it == userSlots.end() ? -1 : int(it - userSlots.begin());
}

}  // namespace

BackForward backForwardState(int slot, const std::vector<int>& userSlots)
{
    BackForward state{true, true};
    const int position = userPosition(slot, userSlots);
    if (slot <= 1 || position == 0) {
        state.back = false;
        return state;
    }
    if (slot == kBuiltinTopicCount || (position >= 0 && position == int(userSlots.size()) - 1)) state.forward = false;
    return state;
}

int steppedTopic(int slot, Step step, const std::vector<int>& userSlots)
{
    const int position = userPosition(slot, userSlots);
    if (step == Step::Previous) {
        if (slot >= 2 && slot <= kBuiltinTopicCount) return slot - 1;
        if (position > 0) return userSlots[size_t(position) - 1];
        return slot;
    }
    if (slot == 0) return 2;
    if (slot >= 1 && slot < kBuiltinTopicCount) return slot + 1;
    if (position >= 0 && position + 1 < int(userSlots.size())) return userSlots[size_t(position) + 1];
    return slot;
}

}  // namespace tolvarin
