#pragma once

#include <QString>

namespace tolvarin {

constexpr int kBuiltinTopicCount = 26;
constexpr int kMaxUserTopics = 20;
constexpr int kFirstUserSlot = kBuiltinTopicCount + 1;  // user topic n lives in slot 26 + n
constexpr int kLastSlot = 50;
constexpr int kSlotCount = kLastSlot + 1;
constexpr int kMaxRows = 150;
constexpr int kTitleCount = 52;
constexpr int kAngleSlot = 10;
constexpr int kTemperatureSlot = 16;
constexpr int kPrefixSlot = 26;

// The fixed ASCII key of a built-in topic ("Delka" ... "Nasobky"); it also
// names the topic's icon. User slots answer "User"; slot 0 has no key.
QString topicKey(int slot);

// The title shipped for a built-in topic (1..26), "" otherwise.
QString builtinTopicTitle(int slot);

// The welcome text that stands in title 0.
QString welcomeTitle();

// "Uživatel 3": the title of a user topic that nobody has named.
QString defaultUserTopicTitle(int userTopic);

// The unit tag "slot-row" that identifies a unit in lists.
QString unitTag(int slot, int row);
bool parseUnitTag(const QString& tag, int* slot, int* row);

}  // namespace tolvarin
