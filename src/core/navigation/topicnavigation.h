#pragma once

#include <vector>

namespace tolvarin {

// Previous and next step through the topics in catalogue order, within the
// built-in topics 1..26 or within the user topics, never across the groups.
// userSlots are the slots of the user topics in the order of the user list
// (26 + n for each user topic n in use), so numbering gaps do not matter.

struct BackForward {
    bool back = false;
    bool forward = true;
    bool operator==(const BackForward&) const = default;
};

// Which of "Zpět" and "Vpřed" are available on a slot. With no
// topic open (slot 0) only "Vpřed" is.
BackForward backForwardState(int slot, const std::vector<int>& userSlots);

enum class Step { Previous = 1, Next = 2 };

// The slot that "Zpět" (Previous) or "Vpřed" (Next) opens. From the start screen "next" opens
// slot 2 (the built-in list shows slot 1 as selected). At a group's end the
// slot stays as it is.
int steppedTopic(int slot, Step step, const std::vector<int>& userSlots);

}  // namespace tolvarin
