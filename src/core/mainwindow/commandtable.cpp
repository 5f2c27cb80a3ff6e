#include "mainwindow/commandtable.h"

#include <iterator>

namespace tolvarin {

namespace {

// Design-time states, combined with "|".
enum State : unsigned { Normal = 0, Hidden = 1, Off = 2, Checked = 4 };

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

MenuNode command(const char* name, int index, const char* caption, const char* shortcut, int help,
                 unsigned state = Normal, CheckKind check = CheckKind::None)
{
    MenuNode node;
    node.kind = MenuNodeKind::Command;
    node.name = text(name);
    node.index = index;
    node.caption = text(caption);
    node.shortcut = text(shortcut);
    node.helpContext = help;
    node.hidden = (state & Hidden) != 0;
    node.disabled = (state & Off) != 0;
    node.checked = (state & Checked) != 0;
    node.check = check;
    return node;
}

MenuNode single(const char* name, const char* caption, const char* shortcut, int help, unsigned state = Normal,
                CheckKind check = CheckKind::None)
{
    return command(name, -1, caption, shortcut, help, state, check);
}

MenuNode submenu(const char* name, const char* caption, int help, unsigned state, std::vector<MenuNode> children)
{
    MenuNode node = command(name, -1, caption, "", help, state);
    node.kind = MenuNodeKind::Submenu;
    node.children = std::move(children);
    return node;
}

MenuNode separator(unsigned state = Normal)
{
    MenuNode node;
    node.kind = MenuNodeKind::Separator;
    node.caption = QStringLiteral("-");
    node.hidden = (state & Hidden) != 0;
    return node;
}

// One entry of an exclusive group: the group's members share name and help.
MenuNode choice(const char* name, int index, const char* caption, const char* shortcut, int help,
                unsigned state = Normal)
{
    return command(name, index, caption, shortcut, help, state, CheckKind::Exclusive);
}

MenuNode toggle(const char* name, const char* caption, const char* shortcut, int help, unsigned state = Normal)
{
    return single(name, caption, shortcut, help, state, CheckKind::Toggle);
}

// The captions of the "&Přejít" menu's topic entries, mnuTema 1..26.
const char* const kTemaCaptions[] = {
    "Délka",
    "Plošný obsah",
    "Objem",
    "Hmotnost",
    "Hustota",
    "Síla",
    "Tlak",
    "Práce",
    "Výkon",
    "Rovinný úhel",
    "Čas",
    "Rychlost",
    "Kin. viskozita",
    "Dyn. viskozita",
    "Průtok",
    "Teplota",
    "Proud",
    "Napětí",
    "Odpor",
    "Magnetický tok",
    "Magnetická indukce",
    "Intenzita magnetického pole",
    "Svítivost",
    "Jas",
    "Osvětlení",
    "Násobky a díly",
};
static_assert(std::size(kTemaCaptions) == kLastTemaIndex - kFirstTemaIndex + 1);

std::vector<MenuNode> fileMenu()
{
    return {
        single("mnuOtevrit", "&Otevřít", "", 1110, Hidden | Off),
        single("mnuNacist", "Znovu &načíst", "Ctrl+R", 1110),
        submenu("mnuE", "&Editace jednotek", 1110, Normal,
                {
                    command("mnuEdit", 0, "&Hlavní", "Ctrl+E", 1110),
                    command("mnuEdit", 1, "&Uživatelské", "", 1110),
                }),
        command("mnuUlozit", 0, "&Zavřít", "Ctrl+W", 1110, Off),
        command("mnuUlozit", 1, "&Uložit", "Ctrl+S", 1110, Off),
        separator(),
        single("mnuTisk", "&Tisk…", "Ctrl+P", 1110),
        separator(),
        single("mnuKonec", "&Konec", "", 1110),
    };
}

std::vector<MenuNode> editMenu()
{
    return {
        single("mnuKopirovat", "&Kopírovat", "Ctrl+C", 1110),
        single("mnuKopírovatR", "&Rozšířené kopírování", "", 1110, Hidden | Off),
        single("mnuVlozit", "&Vložit", "Ctrl+V", 1110),
        separator(),
        single("mnuNajit", "&Najít", "Ctrl+F", 1360),
    };
}

std::vector<MenuNode> viewMenu()
{
    return {
        submenu("mnuUroven", "Ú&roveň", 1290, Normal,
                {
                    choice("mnuU", 0, "Vše", "", 1290, Checked),
                    choice("mnuU", 1, "Úroveň 1", "", 1290),
                    choice("mnuU", 2, "Úroveň 2", "", 1290),
                    choice("mnuU", 3, "Úroveň 3", "", 1290),
                }),
        separator(),
        toggle("mnuLupa", "&Lupa", "F2", 40, Off),
        toggle("mnuNahled", "Krátký &náhled", "F3", 1100, Off | Checked),
        toggle("mnuInfo", "&Informace", "Ctrl+I", 1070, Off),
        separator(),
        submenu("mnuKN", "&Krátký náhled uvádí", 0, Normal,
                {
                    choice("mnuNahledUkazuje", 0, "Aktuální a &první jednotka", "", 0, Checked),
                    choice("mnuNahledUkazuje", 1, "Aktuální a &zadaná jednotka", "", 0),
                }),
        toggle("mnuOnTop", "Vždy n&avrchu", "Ctrl+T", 1420),
    };
}

std::vector<MenuNode> tablePopup()
{
    return {
        command("mnuHide", 0, "Zobrazit", "", 1110),
        command("mnuHide", 1, "Skrýt aktivní", "", 1110),
        command("mnuHide", 2, "Skrýt neoznačené", "", 1110),
    };
}

std::vector<MenuNode> goMenu()
{
    std::vector<MenuNode> nodes = {
        command("mnuNavigace", 1, "&Předchozí téma", "F7", 1350, Off),
        command("mnuNavigace", 2, "&Následující téma", "F8", 1350),
        separator(),
    };
    for (int index = kFirstTemaIndex; index <= kLastTemaIndex; ++index)
        nodes.push_back(command("mnuTema", index, kTemaCaptions[index - kFirstTemaIndex], "", 1110));
    return nodes;
}

std::vector<MenuNode> formatMenu()
{
    return {
        single("mnuPismo", "Písmo...", "", 0, Hidden),
        separator(Hidden),
        choice("mnuFormatZ", 0, "&Jednoduchá přesnost", "Ctrl+J", 1030, Checked),
        choice("mnuFormatZ", 1, "&Dvojitá přesnost", "Ctrl+D", 1030),
        choice("mnuFormatZ", 2, "&Vědecké zobrazení", "", 1030),
        choice("mnuFormatZ", 3, "Pevné (Fi&xed)", "Ctrl+X", 1030),
        separator(),
        submenu("mnuRadek", "Řád&ky", 1110, Normal,
                {
                    single("mnuSkryt", "&Skrýt neoznačené", "", 1110, Off),
                    single("mnuZobrazitVse", "&Zobrazit", "", 1110),
                    separator(),
                    toggle("mnuBarvy", "&Barevné značení", "", 1110, Checked),
                }),
        separator(),
        submenu("mnut", "Zobrazit &Navigátor", 1110, Normal,
                {
                    choice("mnuIkony", 0, "&Ikony", "", 1110),
                    choice("mnuIkony", 1, "&Seznam", "", 1110, Checked),
                }),
    };
}

std::vector<MenuNode> toolsMenu()
{
    return {
        choice("mnuNavigator", 0, "Seznam &veličin", "Shift+F4", 1150, Checked),
        choice("mnuNavigator", 1, "&Uživatelské veličiny", "Ctrl+Shift+F4", 1150),
        choice("mnuNavigator", 2, "Seznam &jednotek", "F4", 1150),
        separator(),
        single("mnuPredpony", "&Předpony", "F5", 50, Off),
        single("mnuKonstanty", "Fyzikální &konstanty…", "F6", 1040),
        separator(),
        submenu("mnuA", "Aktuální jako", 1110, Off,
                {
                    command("mnuSoustava", 0, "&Binárně", "Ctrl+B", 1020),
                    command("mnuSoustava", 1, "&Oktálně", "Ctrl+O", 1020),
                    command("mnuSoustava", 2, "&Hexadecimálně", "Ctrl+H", 1020),
                    command("mnuSoustava", 3, "Vlast&ní", "Ctrl+N", 1020),
                    command("mnuSoustava", 4, "Vlastní vč. &des. míst", "", 1020),
                    separator(),
                    single("mnuZlomek", "&Zlomek", "Ctrl+Z", 1230),
                    single("mnuLatin", "Ří&msky", "Ctrl+L", 1380),
                }),
        separator(),
        command("mnuRec", 0, "&Start", "Ctrl+F5", 1370, Hidden),
        command("mnuRec", 1, "Pa&uza", "Ctrl+F6", 1370, Hidden),
        command("mnuRec", 2, "S&top", "Ctrl+F7", 1370, Hidden),
        command("mnuRec", 3, "Nah&rávání", "Ctrl+Shift+F5", 1370, Off),
        separator(),
        single("mnuLite", "Tolvarin Lite", "", 1112),
        single("mnuKalkulacka", "K&alkulačka", "Ctrl+K", 1111),
        separator(),
        single("mnuOptions", "&Možnosti…", "", 1120),
    };
}

std::vector<MenuNode> helpMenu()
{
    return {
        single("mnuNapoveda", "&Nápověda…", "F1", 0),
        single("mnuIndex", "&Index…", "", 1),
        separator(),
        single("mnuCoJeTo", "&Co je to?", "", 1110, Hidden),
        single("mnuKlavesnice", "&Klávesnice…", "Shift+F1", 1160),
        separator(),
        single("mnuWWW", "&Domovská stránka…", "", 1110),
        single("mnuMail", "&Připomínky k aplikaci…", "", 80),
        single("mnuOAplikaci", "&O aplikaci Tolvarin…", "", 0),
    };
}

std::vector<MenuNode> buildMenuBar()
{
    return {
        submenu("mnuSoubor", "&Soubor", 1110, Normal, fileMenu()),
        submenu("mnuEditace", "Úpr&avy", 1110, Normal, editMenu()),
        submenu("mnuZobrazit", "&Zobrazit", 1110, Normal, viewMenu()),
        submenu("mnuTab", "Tabulka", 1110, Hidden, tablePopup()),
        submenu("mnuPrejit", "&Přejít", 1110, Normal, goMenu()),
        submenu("mnuFormat", "&Formát", 1110, Normal, formatMenu()),
        submenu("mnuNastroje", "Nást&roje", 1110, Normal, toolsMenu()),
        submenu("mnuN", "&Nápověda", 1110, Normal, helpMenu()),
    };
}

void collect(const std::vector<MenuNode>& nodes, std::vector<const MenuNode*>& out)
{
    for (const MenuNode& node : nodes) {
        out.push_back(&node);
        collect(node.children, out);
    }
}

ToolButtonDef button(const char* key, const char* tooltip, const char* image, unsigned state = Normal,
                     ToolButtonKind kind = ToolButtonKind::Plain)
{
    ToolButtonDef def;
    def.kind = kind;
    def.key = text(key);
    def.tooltip = text(tooltip);
    def.imageKey = text(image);
    def.hidden = (state & Hidden) != 0;
    def.disabled = (state & Off) != 0;
    def.pressed = (state & Checked) != 0;
    return def;
}

ToolButtonDef toolSeparator()
{
    ToolButtonDef def;
    def.kind = ToolButtonKind::Separator;
    return def;
}

ToolMenuEntry entry(const char* entryText, const char* key, const char* image, bool remembered)
{
    return {text(entryText), text(key), text(image), remembered};
}

// Design-time states of the buttons follow their menu entries: the panel
// buttons and "Jako" wait for the first topic, "Zpět" for a topic to step
// back from, "Uložit" for the editor; the recorder starts idle with only
// "Rec" shown, enabled once a topic with units is open.
std::vector<ToolButtonDef> buildToolbar()
{
    ToolButtonDef jako = button("Jako", "Aktuální buňka jako…", "AktualniJako", Off, ToolButtonKind::DropDown);
    jako.entries = {
        entry("Binárně", "Binarne", "Bin", true),
        entry("Oktálně", "Oktalne", "Oct", true),
        entry("Hexadecimálně", "Hexadecimalne", "Hex", true),
        entry("Vlastní", "Vlastni", "AktualniJako", false),
        entry("Vlastní vč. des. míst", "VlastniD", "AktualniJako", false),
        entry("Zlomek", "Zlomek", "Zlomek", true),
        entry("Římsky", "Rimsky", "Romanus", true),
    };
    ToolButtonDef uroven = button("Úroveň", "Úroveň", "Uroven", Normal, ToolButtonKind::DropDown);
    uroven.entries = {
        entry("Vše", "Vse", "", false),
        entry("Úroveň 1", "Uroven1", "", false),
        entry("Úroveň 2", "Uroven2", "", false),
        entry("Úroveň 3", "Uroven3", "", false),
    };
    return {
        button("Otevřít", "Editace", "Otevrit"),
        button("Uložit", "Uložit", "Ulozit", Off),
        toolSeparator(),
        toolSeparator(),
        button("Tisk", "Tisk…", "Tisk"),
        button("Kopírovat", "Kopírovat", "Kopirovat"),
        button("Vložit", "Vložit", "Vlozit"),
        toolSeparator(),
        button("Náhled", "Krátký náhled", "Nahled", Off | Checked, ToolButtonKind::TwoState),
        button("Lupa", "Lupa", "Lupa", Off, ToolButtonKind::TwoState),
        button("Info", "Informace", "Info", Off, ToolButtonKind::TwoState),
        jako,
        toolSeparator(),
        button("Zpět", "Zpět", "Zpet", Off),
        button("Vpřed", "Vpřed", "Vpred"),
        toolSeparator(),
        uroven,
        toolSeparator(),
        button("Start", "Pokračovat", "Start", Hidden),
        button("Pause", "Pauza", "Pause", Hidden),
        button("Stop", "Koncec nahrávání", "Stop", Hidden),
        button("Rec", "Nahrávání", "Rec", Off),
        toolSeparator(),
        button("Nápověda", "Nápověda", "Napoveda"),
    };
}

template <typename Row, typename Key>
const Row* findByKey(const std::vector<Row>& rows, const QString& key, Key keyOf)
{
    for (const Row& row : rows)
        if (keyOf(row) == key) return &row;
    return nullptr;
}

}  // namespace

QString MenuNode::id() const
{
    if (index < 0) return name;
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

const std::vector<MenuNode>& menuBarTable()
{
    static const std::vector<MenuNode> table = buildMenuBar();
    return table;
}

std::vector<const MenuNode*> allMenuNodes()
{
    std::vector<const MenuNode*> nodes;
    collect(menuBarTable(), nodes);
    return nodes;
}

const MenuNode* findMenuNode(const QString& name, int index)
{
    for (const MenuNode* node : allMenuNodes())
        if (!node->isSeparator() && node->name == name && node->index == index) return node;
    return nullptr;
}

const std::vector<ToolButtonDef>& toolbarTable()
{
    static const std::vector<ToolButtonDef> table = buildToolbar();
    return table;
}

const ToolButtonDef* findToolButton(const QString& key)
{
    if (key.isEmpty()) return nullptr;
    return findByKey(toolbarTable(), key, [](const ToolButtonDef& def) { return def.key; });
}

const std::vector<ToolbarImage>& toolbarImages()
{
    static const std::vector<ToolbarImage> images = {
        {QStringLiteral("Otevrit"), QStringLiteral("document-open")},
        {QStringLiteral("Ulozit"), QStringLiteral("document-save")},
        {QStringLiteral("Tisk"), QStringLiteral("document-print")},
        {QStringLiteral("Kopirovat"), QStringLiteral("edit-copy")},
        {QStringLiteral("Vlozit"), QStringLiteral("edit-paste")},
        {QStringLiteral("Nahled"), QStringLiteral("view-preview")},
        {QStringLiteral("Lupa"), QStringLiteral("zoom-in")},
        {QStringLiteral("Info"), QStringLiteral("dialog-information")},
        {QStringLiteral("Zpet"), QStringLiteral("go-previous")},
        {QStringLiteral("Vpred"), QStringLiteral("go-next")},
        {QStringLiteral("Uroven"), QStringLiteral("view-filter")},
        {QStringLiteral("Start"), QStringLiteral("media-playback-start")},
        {QStringLiteral("Pause"), QStringLiteral("media-playback-pause")},
        {QStringLiteral("Stop"), QStringLiteral("media-playback-stop")},
        {QStringLiteral("Rec"), QStringLiteral("media-record")},
        {QStringLiteral("Napoveda"), QStringLiteral("help-contents")},
        // The representations have no counterpart in icon themes.
        {QStringLiteral("AktualniJako"), QString()},
        {QStringLiteral("Bin"), QString()},
        {QStringLiteral("Oct"), QString()},
        {QStringLiteral("Hex"), QString()},
        {QStringLiteral("Zlomek"), QString()},
        {QStringLiteral("Romanus"), QString()},
    };
    return images;
}

const ToolbarImage* findToolbarImage(const QString& key)
{
    return findByKey(toolbarImages(), key, [](const ToolbarImage& image) { return image.key; });
}

const std::vector<StatusPanelDef>& statusPanelTable()
{
    static const std::vector<StatusPanelDef> panels = {
        {text("Navi"), text("Veličiny"), text("Navigátor")},
        {text("Temata"), text("Témat:"), text("Klepněte pro seznam")},
        {text("Veličiny"), text("Jednotek v aplikaci:"), text("Klepněte pro seznam")},
        {text("TVeličiny"), text("V tématu:"), QString()},
        {text("Uroven"), text("V"), text("Úroveň")},
        {text("Presnost"), text("J"), text("Jednoduchá přesnost")},
    };
    return panels;
}

const EditModeTargets& editModeTargets()
{
    static const EditModeTargets targets = [] {
        EditModeTargets t;
        t.menusOnWhileEditing = {{text("mnuUlozit"), 0}, {text("mnuUlozit"), 1}};
        t.buttonsOnWhileEditing = {text("Uložit")};
        t.menusOffWhileEditing = {{text("mnuNacist")}, {text("mnuE")},        {text("mnuNahled")}, {text("mnuLupa")},
                                  {text("mnuInfo")},   {text("mnuPredpony")}, {text("mnuA")},      {text("mnuUroven")},
                                  {text("mnuRec"), 0}, {text("mnuRec"), 1},   {text("mnuRec"), 2}, {text("mnuRec"), 3}};
        t.buttonsOffWhileEditing = {text("Náhled"), text("Lupa"),  text("Info"), text("Jako"), text("Úroveň"),
                                    text("Start"),  text("Pause"), text("Stop"), text("Rec")};
        t.menusShownWhileEditing = {{text("mnuPismo")}};
        return t;
    }();
    return targets;
}

}  // namespace tolvarin
