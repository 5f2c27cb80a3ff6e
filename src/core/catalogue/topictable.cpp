#include "catalogue/topictable.h"

#include <array>

namespace tolvarin {

namespace {

struct TopicRow {
    const char* key;
    const char* title;
};

constexpr std::array<TopicRow, kBuiltinTopicCount> kTopics = {{
    {"Delka", "Délka"},
    {"Obsah", "Plošný obsah"},
    {"Objem", "Objem"},
    {"Hmotnost", "Hmotnost"},
    {"Hustota", "Hustota"},
    {"Sila", "Síla"},
    {"Tlak", "Tlak"},
    {"Prace", "Práce"},
    {"Vykon", "Výkon"},
    {"Uhel", "Rovinný úhel"},
    {"Cas", "Čas"},
    {"Rychlost", "Rychlost"},
    {"KViskozita", "Kin. viskozita"},
    {"DViskozita", "Dyn. viskozita"},
    {"Prutok", "Průtok"},
    {"Teplota", "Teplota"},
    {"Proud", "Proud"},
    {"Napeti", "Napětí"},
    {"Odpor", "Odpor"},
    {"MgTok", "Mg. tok"},
    {"MgIndukce", "Mg. indukce"},
    {"IntenzitaMgPole", "Intenzita mg. pole"},
    {"Svitivost", "Svítivost"},
    {"Jas", "Jas"},
    {"Osvetleni", "Osvětlení"},
    {"Nasobky", "Násobky a díly"},
}};

}  // namespace

QString topicKey(int slot)
{
    if (slot >= 1 && slot <= kBuiltinTopicCount) return QString::fromLatin1(kTopics[slot - 1].key);
    if (slot > kBuiltinTopicCount && slot <= kLastSlot) return QStringLiteral("User");
    return QString();
}

QString builtinTopicTitle(int slot)
{
    if (slot >= 1 && slot <= kBuiltinTopicCount) return QString::fromUtf8(kTopics[slot - 1].title);
    return QString();
}

QString welcomeTitle() { return QStringLiteral("Vítejte v programu Tolvarin!"); }

QString defaultUserTopicTitle(int userTopic) { return QStringLiteral("Uživatel ") + QString::number(userTopic); }

QString unitTag(int slot, int row) { return QString::number(slot) + QLatin1Char('-') + QString::number(row); }

bool parseUnitTag(const QString& tag, int* slot, int* row)
{
    const qsizetype dash = tag.indexOf(QLatin1Char('-'));
    if (dash <= 0) return false;
    bool okSlot = false;
    bool okRow = false;
    const int s = tag.left(dash).toInt(&okSlot);
    const int r = tag.mid(dash + 1).toInt(&okRow);
    if (!okSlot || !okRow || s < 0 || s > kLastSlot || r < 0 || r > kMaxRows) return false;
    *slot = s;
    *row = r;
    return true;
}

}  // namespace tolvarin
