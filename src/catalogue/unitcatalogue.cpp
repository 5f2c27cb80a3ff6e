#include "catalogue/unitcatalogue.h"

namespace tolvarin {

UnitCatalogue::UnitCatalogue()
    : units_(size_t(kSlotCount) * (kMaxRows + 1)), marked_(size_t(kSlotCount) * (kMaxRows + 1), false)
{
    titles_[0] = welcomeTitle();
    for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) titles_[size_t(slot)] = builtinTopicTitle(slot);
}

std::vector<int> UnitCatalogue::usedUserTopics() const
{
    std::vector<int> topics;
    for (int n = 1; n <= kMaxUserTopics; ++n)
        if (userTopicUsed_[size_t(n)]) topics.push_back(n);
    return topics;
}

void UnitCatalogue::clearNamesAndCounts()
{
    for (Unit& u : units_) u.name.clear();
    counts_.fill(0);
}

}  // namespace tolvarin
