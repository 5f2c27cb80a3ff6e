#include "catalogue/unitcatalogue.h"

namespace tolvarin {

namespace {

const Unit kEmptyUnit;

}  // namespace

bool levelShows(UnitLevel chosen, UnitLevel unitLevel)
{
    return chosen == UnitLevel::All || unitLevel == UnitLevel::Level1 || unitLevel == chosen;
}

UnitCatalogue::UnitCatalogue() : marked_(size_t(kSlotCount) * (kMaxRows + 1), false)
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

Unit& UnitCatalogue::unit(int slot, int row)
{
    Q_ASSERT(slot >= 0 && slot <= kLastSlot && row >= 0 && row <= kMaxRows);
    std::vector<Unit>& rows = rows_[size_t(slot)];
    if (size_t(row) >= rows.size()) {
        if (rows.capacity() == 0) rows.reserve(kMaxRows + 1);
        rows.resize(size_t(row) + 1);
    }
    return rows[size_t(row)];
}

const Unit& UnitCatalogue::unit(int slot, int row) const
{
    Q_ASSERT(slot >= 0 && slot <= kLastSlot && row >= 0 && row <= kMaxRows);
    const std::vector<Unit>& rows = rows_[size_t(slot)];
    return size_t(row) < rows.size() ? rows[size_t(row)] : kEmptyUnit;
}

int UnitCatalogue::markedCount(int slot) const
{
    int marked = 0;
    for (int row = 1; row <= kMaxRows; ++row)
        if (isMarked(slot, row)) ++marked;
    return marked;
}

void UnitCatalogue::setCount(int slot, int count)
{
    counts_[size_t(slot)] = qint16(count);
    if (count > 0) unit(slot, qMin(count, int(kMaxRows)));
}

void UnitCatalogue::clearNamesAndCounts()
{
    for (std::vector<Unit>& rows : rows_)
        for (Unit& u : rows) u.name.clear();
    counts_.fill(0);
}

}  // namespace tolvarin
