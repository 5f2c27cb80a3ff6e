#include "mainwindow/commandtable.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tolvarin {
namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The children of a submenu as "name(index)" or "-", in menu order.
QStringList childIds(const MenuNode& submenu)
{
    QStringList ids;
    for (const MenuNode& child : submenu.children) ids << (child.isSeparator() ? QStringLiteral("-") : child.id());
    return ids;
}

TEST(CommandTable, TopLevelMenusInMenuBarOrder)
{
    QStringList captions;
    QStringList shown;
    for (const MenuNode& node : menuBarTable()) {
        ASSERT_TRUE(node.isSubmenu()) << qPrintable(node.name);
        captions << node.name;
        if (!node.hidden) shown << node.caption;
    }
    EXPECT_EQ(captions, QStringList({"mnuSoubor", "mnuEditace", "mnuZobrazit", "mnuTab", "mnuPrejit", "mnuFormat",
                                     "mnuNastroje", "mnuN"}));
    EXPECT_EQ(shown, QStringList({u("&Soubor"), u("Úpr&avy"), u("&Zobrazit"), u("&Přejít"), u("&Formát"),
                                  u("Nást&roje"), u("&Nápověda")}));
    ASSERT_NE(findMenuNode("mnuTab"), nullptr);
    EXPECT_TRUE(findMenuNode("mnuTab")->hidden);
}

struct SubmenuCase {
    const char* name;
    const char* children;  // ids separated by blanks, "-" for a separator
};

// Which entries each submenu holds, separators included, in menu order.
const SubmenuCase kSubmenus[] = {
    {"mnuSoubor", "mnuOtevrit mnuNacist mnuE mnuUlozit(0) mnuUlozit(1) - mnuTisk - mnuKonec"},
    {"mnuE", "mnuEdit(0) mnuEdit(1)"},
    {"mnuEditace", "mnuKopirovat mnuKopírovatR mnuVlozit - mnuNajit"},
    {"mnuZobrazit", "mnuUroven - mnuLupa mnuNahled mnuInfo - mnuKN mnuOnTop"},
    {"mnuUroven", "mnuU(0) mnuU(1) mnuU(2) mnuU(3)"},
    {"mnuKN", "mnuNahledUkazuje(0) mnuNahledUkazuje(1)"},
    {"mnuTab", "mnuHide(0) mnuHide(1) mnuHide(2)"},
    {"mnuFormat", "mnuPismo - mnuFormatZ(0) mnuFormatZ(1) mnuFormatZ(2) mnuFormatZ(3) - mnuRadek - mnut"},
    {"mnuRadek", "mnuSkryt mnuZobrazitVse - mnuBarvy"},
    {"mnut", "mnuIkony(0) mnuIkony(1)"},
    {"mnuNastroje",
     "mnuNavigator(0) mnuNavigator(1) mnuNavigator(2) - mnuPredpony mnuKonstanty - mnuA - mnuRec(0) mnuRec(1) "
     "mnuRec(2) mnuRec(3) - mnuLite mnuKalkulacka - mnuOptions"},
    {"mnuA", "mnuSoustava(0) mnuSoustava(1) mnuSoustava(2) mnuSoustava(3) mnuSoustava(4) - mnuZlomek mnuLatin"},
    {"mnuN", "mnuNapoveda mnuIndex - mnuCoJeTo mnuKlavesnice - mnuWWW mnuMail mnuOAplikaci"},
};

TEST(CommandTable, SubmenusHoldTheirEntriesInOrder)
{
    for (const SubmenuCase& c : kSubmenus) {
        const MenuNode* node = findMenuNode(u(c.name));
        ASSERT_NE(node, nullptr) << c.name;
        EXPECT_TRUE(node->isSubmenu()) << c.name;
        EXPECT_EQ(childIds(*node).join(' '), u(c.children)) << c.name;
    }
}

TEST(CommandTable, GoMenuHoldsStepsAndTheTwentySixTopics)
{
    const MenuNode* go = findMenuNode("mnuPrejit");
    ASSERT_NE(go, nullptr);
    const QStringList ids = childIds(*go);
    ASSERT_EQ(ids.size(), 3 + 26);
    EXPECT_EQ(ids.mid(0, 3), QStringList({"mnuNavigace(1)", "mnuNavigace(2)", "-"}));
    for (int slot = 1; slot <= 26; ++slot) EXPECT_EQ(ids[2 + slot], QStringLiteral("mnuTema(%1)").arg(slot)) << slot;
}

struct TemaCase {
    int index;
    const char* caption;
};
const TemaCase kTema[] = {
    {1, "Délka"},           {13, "Kin. viskozita"}, {20, "Magnetický tok"}, {22, "Intenzita magnetického pole"},
    {26, "Násobky a díly"},
};

TEST(CommandTable, TopicEntriesCarryTheTopicCaptions)
{
    for (const TemaCase& c : kTema) {
        const MenuNode* node = findMenuNode("mnuTema", c.index);
        ASSERT_NE(node, nullptr) << c.index;
        EXPECT_EQ(node->caption, u(c.caption)) << c.index;
        EXPECT_TRUE(node->shortcut.isEmpty()) << c.index;
    }
    int count = 0;
    for (const MenuNode* node : allMenuNodes()) count += node->name == QLatin1String("mnuTema");
    EXPECT_EQ(count, 26);
    EXPECT_EQ(findMenuNode("mnuTema", 0), nullptr);
    EXPECT_EQ(findMenuNode("mnuTema", 27), nullptr);
}

enum : unsigned { H = 1, O = 2, C = 4 };  // hidden, off, checked

struct EntryCase {
    const char* name;
    int index;
    const char* caption;
    const char* shortcut;
    int help;
    unsigned state;
};

const EntryCase kEntries[] = {
    {"mnuOtevrit", -1, "&Otevřít", "", 1110, H | O},
    {"mnuUlozit", 1, "&Uložit", "Ctrl+S", 1110, O},
    {"mnuTisk", -1, "&Tisk…", "Ctrl+P", 1110, 0},
    {"mnuKopírovatR", -1, "&Rozšířené kopírování", "", 1110, H | O},
    {"mnuU", 0, "Vše", "", 1290, C},
    {"mnuNahled", -1, "Krátký &náhled", "F3", 1100, O | C},
    {"mnuKN", -1, "&Krátký náhled uvádí", "", 0, 0},
    {"mnuTab", -1, "Tabulka", "", 1110, H},
    {"mnuNavigace", 1, "&Předchozí téma", "F7", 1350, O},
    {"mnuPismo", -1, "Písmo...", "", 0, H},
    {"mnuFormatZ", 2, "&Vědecké zobrazení", "", 1030, 0},
    {"mnuFormatZ", 3, "Pevné (Fi&xed)", "Ctrl+X", 1030, 0},
    {"mnuBarvy", -1, "&Barevné značení", "", 1110, C},
    {"mnuIkony", 1, "&Seznam", "", 1110, C},
    {"mnuNavigator", 1, "&Uživatelské veličiny", "Ctrl+Shift+F4", 1150, 0},
    {"mnuA", -1, "Aktuální jako", "", 1110, O},
    {"mnuSoustava", 4, "Vlastní vč. &des. míst", "", 1020, 0},
    {"mnuRec", 0, "&Start", "Ctrl+F5", 1370, H},
    {"mnuRec", 3, "Nah&rávání", "Ctrl+Shift+F5", 1370, O},
    {"mnuIndex", -1, "&Index…", "", 1, 0},
    {"mnuKlavesnice", -1, "&Klávesnice…", "Shift+F1", 1160, 0},
    {"mnuOAplikaci", -1, "&O aplikaci Tolvarin…", "", 0, 0},
};

TEST(CommandTable, EntriesHaveTheirCaptionsShortcutsAndStates)
{
    for (const EntryCase& c : kEntries) {
        const QString row = u(c.name) + QLatin1Char(' ') + QString::number(c.index);
        const MenuNode* node = findMenuNode(u(c.name), c.index);
        ASSERT_NE(node, nullptr) << qPrintable(row);
        EXPECT_EQ(node->caption, u(c.caption)) << qPrintable(row);
        EXPECT_EQ(node->shortcut, u(c.shortcut)) << qPrintable(row);
        EXPECT_EQ(node->helpContext, c.help) << qPrintable(row);
        EXPECT_EQ(node->hidden, (c.state & H) != 0) << qPrintable(row);
        EXPECT_EQ(node->disabled, (c.state & O) != 0) << qPrintable(row);
        EXPECT_EQ(node->checked, (c.state & C) != 0) << qPrintable(row);
    }
}

// Separators, each named by the entry it follows, in the order of the menus
// as read from top to bottom (a submenu's separators inside it).
void collectSeparators(const std::vector<MenuNode>& entries, QStringList& after, QStringList& hidden)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuNode& entry = entries[i];
        if (entry.isSubmenu()) collectSeparators(entry.children, after, hidden);
        if (!entry.isSeparator()) continue;
        ASSERT_GT(i, 0u) << "a separator opens a menu";
        ASSERT_LT(i + 1, entries.size()) << "a separator closes a menu after " << qPrintable(entries[i - 1].id());
        EXPECT_EQ(entry.caption, QStringLiteral("-"));
        after << entries[i - 1].id();
        if (entry.hidden) hidden << entries[i - 1].id();
    }
}

TEST(CommandTable, SeparatorsStandWhereListed)
{
    QStringList after;
    QStringList hidden;
    collectSeparators(menuBarTable(), after, hidden);
    EXPECT_EQ(after.join(", "),
              "mnuUlozit(1), mnuTisk, mnuVlozit, mnuUroven, mnuInfo, mnuNavigace(2), mnuPismo, mnuFormatZ(3), "
              "mnuZobrazitVse, mnuRadek, mnuNavigator(2), mnuKonstanty, mnuSoustava(4), mnuA, mnuRec(3), "
              "mnuKalkulacka, mnuIndex, mnuKlavesnice");
    EXPECT_EQ(hidden.join(", "), "mnuPismo");
}

TEST(CommandTable, ShortcutsAreWellFormedAndUnique)
{
    const QRegularExpression form(QStringLiteral("^(Ctrl\\+)?(Shift\\+)?([A-Z]|F([1-9]|1[0-2]))$"));
    QHash<QString, QString> owner;
    for (const MenuNode* node : allMenuNodes()) {
        if (node->shortcut.isEmpty()) continue;
        EXPECT_TRUE(form.match(node->shortcut).hasMatch()) << qPrintable(node->id() + " " + node->shortcut);
        EXPECT_FALSE(owner.contains(node->shortcut))
            << qPrintable(node->shortcut + " of " + node->id() + " already used by " + owner.value(node->shortcut));
        owner.insert(node->shortcut, node->id());
    }
    EXPECT_EQ(owner.size(), 35);
}

TEST(CommandTable, EntryIdsAreUniqueAndNamed)
{
    QSet<QString> seen;
    for (const MenuNode* node : allMenuNodes()) {
        if (node->isSeparator()) {
            EXPECT_TRUE(node->name.isEmpty());
            continue;
        }
        EXPECT_TRUE(node->name.startsWith(QLatin1String("mnu"))) << qPrintable(node->name);
        EXPECT_FALSE(node->caption.isEmpty()) << qPrintable(node->id());
        EXPECT_FALSE(seen.contains(node->id())) << qPrintable(node->id());
        seen.insert(node->id());
    }
}

// The access key of a caption ("&Soubor" -> 's'), or a null character.
QChar accessKey(const QString& caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
}

TEST(CommandTable, VisibleAccessKeysAreUniqueWithinEachMenu)
{
    std::vector<const MenuNode*> menus = {nullptr};  // nullptr: the menu bar itself
    for (const MenuNode* node : allMenuNodes())
        if (node->isSubmenu()) menus.push_back(node);
    for (const MenuNode* menu : menus) {
        const std::vector<MenuNode>& entries = menu ? menu->children : menuBarTable();
        QHash<QChar, QString> owner;
        for (const MenuNode& entry : entries) {
            EXPECT_LE(entry.caption.count(QLatin1Char('&')), 1) << qPrintable(entry.id());
            const QChar key = accessKey(entry.caption);
            if (entry.hidden || key.isNull()) continue;
            EXPECT_FALSE(owner.contains(key)) << qPrintable(entry.id() + " and " + owner.value(key));
            owner.insert(key, entry.id());
        }
    }
}

struct GroupCase {
    const char* name;
    CheckKind kind;
    int members;
    int checkedIndex;  // the checked member of an exclusive group
};

const GroupCase kChecks[] = {
    {"mnuFormatZ", CheckKind::Exclusive, 4, 0},       {"mnuU", CheckKind::Exclusive, 4, 0},
    {"mnuNahledUkazuje", CheckKind::Exclusive, 2, 0}, {"mnuIkony", CheckKind::Exclusive, 2, 1},
    {"mnuNavigator", CheckKind::Exclusive, 3, 0},     {"mnuLupa", CheckKind::Toggle, 1, -1},
    {"mnuNahled", CheckKind::Toggle, 1, -1},          {"mnuInfo", CheckKind::Toggle, 1, -1},
    {"mnuBarvy", CheckKind::Toggle, 1, -1},           {"mnuOnTop", CheckKind::Toggle, 1, -1},
};

TEST(CommandTable, CheckableEntriesAndTheirGroups)
{
    QSet<QString> listed;
    for (const GroupCase& c : kChecks) {
        listed.insert(u(c.name));
        int members = 0;
        int checked = 0;
        int checkedIndex = -1;
        for (const MenuNode* node : allMenuNodes()) {
            if (node->name != u(c.name)) continue;
            ++members;
            EXPECT_EQ(node->check, c.kind) << c.name << " " << node->index;
            if (node->checked) {
                ++checked;
                checkedIndex = node->index;
            }
        }
        EXPECT_EQ(members, c.members) << c.name;
        if (c.kind == CheckKind::Exclusive) {
            EXPECT_EQ(checked, 1) << c.name;
            EXPECT_EQ(checkedIndex, c.checkedIndex) << c.name;
        }
    }
    for (const MenuNode* node : allMenuNodes()) {
        if (node->check != CheckKind::None) {
            EXPECT_TRUE(listed.contains(node->name)) << qPrintable(node->id());
        }
    }
}

TEST(CommandTable, ToolbarHasTwentyFourButtonsWithSevenSeparators)
{
    const auto& buttons = toolbarTable();
    ASSERT_EQ(buttons.size(), 24u);
    QStringList layout;
    int separators = 0;
    for (const ToolButtonDef& def : buttons) {
        layout << (def.isSeparator() ? QStringLiteral("|") : def.key);
        separators += def.isSeparator();
    }
    EXPECT_EQ(separators, 7);
    EXPECT_EQ(layout.join(' '), u("Otevřít Uložit | | Tisk Kopírovat Vložit | Náhled Lupa Info Jako | Zpět Vpřed | "
                                  "Úroveň | Start Pause Stop Rec | Nápověda"));
    EXPECT_EQ(buttons[11].key, u("Jako"));
}

struct ButtonCase {
    const char* key;
    const char* tooltip;
    ToolButtonKind kind;
    unsigned state;
};

const ButtonCase kButtons[] = {
    {"Otevřít", "Editace", ToolButtonKind::Plain, 0},
    {"Uložit", "Uložit", ToolButtonKind::Plain, O},
    {"Tisk", "Tisk…", ToolButtonKind::Plain, 0},
    {"Kopírovat", "Kopírovat", ToolButtonKind::Plain, 0},
    {"Vložit", "Vložit", ToolButtonKind::Plain, 0},
    {"Náhled", "Krátký náhled", ToolButtonKind::TwoState, O | C},
    {"Lupa", "Lupa", ToolButtonKind::TwoState, O},
    {"Info", "Informace", ToolButtonKind::TwoState, O},
    {"Jako", "Aktuální buňka jako…", ToolButtonKind::DropDown, O},
    {"Zpět", "Zpět", ToolButtonKind::Plain, O},
    {"Vpřed", "Vpřed", ToolButtonKind::Plain, 0},
    {"Úroveň", "Úroveň", ToolButtonKind::DropDown, 0},
    {"Start", "Pokračovat", ToolButtonKind::Plain, H},
    {"Pause", "Pauza", ToolButtonKind::Plain, H},
    {"Stop", "Koncec nahrávání", ToolButtonKind::Plain, H},
    {"Rec", "Nahrávání", ToolButtonKind::Plain, O},
    {"Nápověda", "Nápověda", ToolButtonKind::Plain, 0},
};

TEST(CommandTable, ToolbarButtonsHaveTheirTooltipsKindsAndStates)
{
    for (const ButtonCase& c : kButtons) {
        const ToolButtonDef* def = findToolButton(u(c.key));
        ASSERT_NE(def, nullptr) << c.key;
        EXPECT_EQ(def->tooltip, u(c.tooltip)) << c.key;
        EXPECT_EQ(def->kind, c.kind) << c.key;
        EXPECT_EQ(def->hidden, (c.state & H) != 0) << c.key;
        EXPECT_EQ(def->disabled, (c.state & O) != 0) << c.key;
        EXPECT_EQ(def->pressed, (c.state & C) != 0) << c.key;
        EXPECT_EQ(def->entries.empty(), c.kind != ToolButtonKind::DropDown) << c.key;
    }
    EXPECT_EQ(findToolButton(QString()), nullptr);
    EXPECT_EQ(findToolButton("Binarne"), nullptr);
}

struct DropDownCase {
    const char* text;
    const char* key;
    const char* image;
    bool remembered;
};

const DropDownCase kJako[] = {
    {"Binárně", "Binarne", "Bin", true},
    {"Oktálně", "Oktalne", "Oct", true},
    {"Hexadecimálně", "Hexadecimalne", "Hex", true},
    {"Vlastní", "Vlastni", "AktualniJako", false},
    {"Vlastní vč. des. míst", "VlastniD", "AktualniJako", false},
    {"Zlomek", "Zlomek", "Zlomek", true},
    {"Římsky", "Rimsky", "Romanus", true},
};

const DropDownCase kUroven[] = {
    {"Vše", "Vse", "", false},
    {"Úroveň 1", "Uroven1", "", false},
    {"Úroveň 2", "Uroven2", "", false},
    {"Úroveň 3", "Uroven3", "", false},
};

template <size_t N>
void expectEntries(const char* buttonKey, const DropDownCase (&expected)[N])
{
    const ToolButtonDef* def = findToolButton(u(buttonKey));
    ASSERT_NE(def, nullptr) << buttonKey;
    ASSERT_EQ(def->entries.size(), N) << buttonKey;
    for (size_t i = 0; i < N; ++i) {
        const ToolMenuEntry& entry = def->entries[i];
        EXPECT_EQ(entry.text, u(expected[i].text)) << buttonKey << " " << i;
        EXPECT_EQ(entry.key, u(expected[i].key)) << buttonKey << " " << i;
        EXPECT_EQ(entry.buttonImage, u(expected[i].image)) << buttonKey << " " << i;
        EXPECT_EQ(entry.remembered, expected[i].remembered) << buttonKey << " " << i;
    }
}

TEST(CommandTable, DropDownMenusOfJakoAndUroven)
{
    expectEntries("Jako", kJako);
    expectEntries("Úroveň", kUroven);
}

TEST(CommandTable, EveryPictureTheToolbarNamesIsInTheImageList)
{
    QSet<QString> keys;
    for (const ToolbarImage& image : toolbarImages()) {
        EXPECT_FALSE(keys.contains(image.key)) << qPrintable(image.key);
        keys.insert(image.key);
    }
    for (const ToolButtonDef& def : toolbarTable()) {
        if (def.isSeparator()) continue;
        EXPECT_TRUE(keys.contains(def.imageKey)) << qPrintable(def.key);
        for (const ToolMenuEntry& entry : def.entries) {
            if (!entry.buttonImage.isEmpty()) {
                EXPECT_TRUE(keys.contains(entry.buttonImage)) << qPrintable(entry.key);
            }
        }
    }
    for (const char* own : {"Bin", "Oct", "Hex", "AktualniJako", "Zlomek", "Romanus"}) {
        const ToolbarImage* image = findToolbarImage(u(own));
        ASSERT_NE(image, nullptr) << own;
        EXPECT_TRUE(image->themeName.isEmpty()) << own;
    }
    EXPECT_EQ(findToolbarImage("Hexadecimalne"), nullptr);
}

TEST(CommandTable, StatusBarHasSixKeyedPanels)
{
    struct PanelCase {
        const char* key;
        const char* text;
        const char* tooltip;
    };
    const PanelCase expected[] = {
        {"Navi", "Veličiny", "Navigátor"},
        {"Temata", "Témat:", "Klepněte pro seznam"},
        {"Veličiny", "Jednotek v aplikaci:", "Klepněte pro seznam"},
        {"TVeličiny", "V tématu:", ""},
        {"Uroven", "V", "Úroveň"},
        {"Presnost", "J", "Jednoduchá přesnost"},
    };
    const auto& panels = statusPanelTable();
    ASSERT_EQ(panels.size(), std::size(expected));
    for (size_t i = 0; i < panels.size(); ++i) {
        EXPECT_EQ(panels[i].key, u(expected[i].key)) << i;
        EXPECT_EQ(panels[i].text, u(expected[i].text)) << i;
        EXPECT_EQ(panels[i].tooltip, u(expected[i].tooltip)) << i;
    }
}

TEST(CommandTable, EditModeSwitchNamesExistingCommands)
{
    const EditModeTargets& targets = editModeTargets();
    for (const auto* list :
         {&targets.menusOnWhileEditing, &targets.menusOffWhileEditing, &targets.menusShownWhileEditing})
        for (const MenuRef& ref : *list)
            EXPECT_NE(findMenuNode(ref.name, ref.index), nullptr) << qPrintable(ref.name) << " " << ref.index;
    for (const QStringList* list : {&targets.buttonsOnWhileEditing, &targets.buttonsOffWhileEditing})
        for (const QString& key : *list) EXPECT_NE(findToolButton(key), nullptr) << qPrintable(key);
    EXPECT_EQ(targets.menusOffWhileEditing.size(), 12u);
    EXPECT_EQ(targets.buttonsOffWhileEditing.size(), 9);
}

}  // namespace
}  // namespace tolvarin
