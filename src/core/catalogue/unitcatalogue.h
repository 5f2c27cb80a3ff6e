#pragma once

#include "catalogue/topictable.h"

#include <QString>

#include <array>
#include <vector>

namespace tolvarin {

// The unit levels. The level menu shows All ("Vše") or one of the levels 1
// to 3; a unit of the main data file belongs to level 1 unless its name is
// marked "+" (level 2) or "*" (level 3). Units of the user file are level 1.
enum class UnitLevel { All = 0, Level1 = 1, Level2 = 2, Level3 = 3 };

// Whether the level menu's choice shows a unit of the given level: every
// level shows level 1, levels 2 and 3 each add their own units.
bool levelShows(UnitLevel chosen, UnitLevel unitLevel);

struct Unit {
    QString name;  // without the level marker
    QString symbol;
    double coefficient = 0.0;  // one such unit expressed in the topic's reference unit
    QString info;
    UnitLevel level = UnitLevel::Level1;
};

// How a data file's bytes were decoded; the editor writes it back the same way.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1250 };

// All topics and their units: slots 0..50 by rows 0..150 (data rows are 1..150),
// the unit counts, the titles 0..51, which user topics are in use and the
// marking state of the grid. One fixed-size table, refilled in place.
class UnitCatalogue {
public:
    UnitCatalogue();

    // A row that was never written reads as an empty unit; writing one makes
    // the rows of its slot up to it exist. Rows once made never move.
    Unit& unit(int slot, int row);
    const Unit& unit(int slot, int row) const;

    int count(int slot) const { return counts_[size_t(slot)]; }
    // Rows 1..count of the slot are made to exist, so that they can be read
    // as one contiguous run.
    void setCount(int slot, int count);

    QString title(int index) const { return titles_[size_t(index)]; }
    void setTitle(int index, const QString& title) { titles_[size_t(index)] = title; }

    // User topic n (1..20; 0 lands in slot 26) occurred in the user file.
    bool userTopicUsed(int n) const { return userTopicUsed_[size_t(n)]; }
    void markUserTopicUsed(int n) { userTopicUsed_[size_t(n)] = true; }
    // The used user topics 1..20 in ascending order, and their slots.
    std::vector<int> usedUserTopics() const;
    int usedUserTopicCount() const { return int(usedUserTopics().size()); }

    // A title for user topic n given by a "'U<n>=title" line of the user file.
    QString userTitleFromFile(int n) const { return userTitlesFromFile_[size_t(n)]; }
    void setUserTitleFromFile(int n, const QString& title) { userTitlesFromFile_[size_t(n)] = title; }

    bool isMarked(int slot, int row) const { return marked_[index(slot, row)]; }
    void setMarked(int slot, int row, bool marked) { marked_[index(slot, row)] = marked; }
    // How many rows of the topic are marked, counted from the marks themselves.
    int markedCount(int slot) const;
    bool isHidden(int slot) const { return hidden_[size_t(slot)]; }
    void setHidden(int slot, bool hidden) { hidden_[size_t(slot)] = hidden; }

    // What the main reader does first: every name and every count is cleared.
    void clearNamesAndCounts();

    TextEncoding mainFileEncoding = TextEncoding::Utf8;
    TextEncoding userFileEncoding = TextEncoding::Utf8;

private:
    static size_t index(int slot, int row) { return size_t(slot) * (kMaxRows + 1) + size_t(row); }

    // Each slot's rows 0..150, made as far as they are used: a terminal
    // command reads the whole table at every start, and a table made whole
    // would touch memory for 7 701 units when the data files hold about 1 000.
    // The room for all 151 rows is reserved at once, so rows never move.
    std::array<std::vector<Unit>, kSlotCount> rows_;
    std::vector<bool> marked_;
    std::array<qint16, kSlotCount> counts_{};
    std::array<bool, kSlotCount> hidden_{};
    std::array<QString, kTitleCount> titles_;
    std::array<bool, kMaxUserTopics + 1> userTopicUsed_{};
    std::array<QString, kMaxUserTopics + 1> userTitlesFromFile_;
};

}  // namespace tolvarin
