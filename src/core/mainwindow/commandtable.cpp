#include "mainwindow/commandtable.h"

#include "catalogue/topictable.h"

#include <iterator>

namespace tolvarin {

namespace {

// Design-time states, combined with "|".
enum State : unsigned { Normal = 0, Hidden = 1, Off = 2, Checked = 4 };

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

CommandInfo entry(const char* caption, const char* shortcut, int help, unsigned state = Normal)
{
    CommandInfo info;
    info.caption = text(caption);
    info.shortcut = text(shortcut);
    info.helpContext = help;
    info.hidden = (state & Hidden) != 0;
    info.disabled = (state & Off) != 0;
    info.checked = (state & Checked) != 0;
    return info;
}

CommandInfo toggle(const char* caption, const char* shortcut, int help, unsigned state = Normal)
{
    CommandInfo info = entry(caption, shortcut, help, state);
    info.toggle = true;
    return info;
}

CommandInfo choice(Group group, int value, const char* caption, const char* shortcut, int help,
                   unsigned state = Normal)
{
    CommandInfo info = entry(caption, shortcut, help, state);
    info.group = group;
    info.value = value;
    return info;
}

// A command with a toolbar picture; the tooltip where the button's differs
// from the caption.
CommandInfo pictured(CommandInfo info, const char* picture, const char* toolTip = "")
{
    info.picture = text(picture);
    info.toolTip = text(toolTip);
    return info;
}

CommandInfo remembered(CommandInfo info)
{
    info.remembered = true;
    return info;
}

CommandInfo describe(Command command)
{
    using C = Command;
    using G = Group;
    switch (command) {
        case C::OpenFile: return entry("&Otevřít", "", 1110, Hidden | Off);
        case C::Reload: return entry("Znovu &načíst", "Ctrl+R", 1110);
        case C::EditMainFile: return pictured(entry("&Hlavní", "Ctrl+E", 1110), "Otevrit", "Editace");
        case C::EditUserFile: return entry("&Uživatelské", "", 1110);
        case C::CloseEditor: return entry("&Zavřít", "Ctrl+W", 1110, Off);
        case C::SaveEditor: return pictured(entry("&Uložit", "Ctrl+S", 1110, Off), "Ulozit");
        case C::Print: return pictured(entry("&Tisk…", "Ctrl+P", 1110), "Tisk");
        case C::Quit: return entry("&Konec", "", 1110);
        case C::Copy: return pictured(entry("&Kopírovat", "Ctrl+C", 1110), "Kopirovat");
        case C::ExtendedCopy: return entry("&Rozšířené kopírování", "", 1110, Hidden | Off);
        case C::Paste: return pictured(entry("&Vložit", "Ctrl+V", 1110), "Vlozit");
        case C::Find: return entry("&Najít", "Ctrl+F", 1360);
        case C::LevelAll: return choice(G::Level, 0, "Vše", "", 1290, Checked);
        case C::Level1: return choice(G::Level, 1, "Úroveň 1", "", 1290);
        case C::Level2: return choice(G::Level, 2, "Úroveň 2", "", 1290);
        case C::Level3: return choice(G::Level, 3, "Úroveň 3", "", 1290);
        case C::Magnifier: return pictured(toggle("&Lupa", "F2", 40, Off), "Lupa");
        case C::Preview: return pictured(toggle("Krátký &náhled", "F3", 1100, Off | Checked), "Nahled");
        case C::InfoPanel: return pictured(toggle("&Informace", "Ctrl+I", 1070, Off), "Info");
        case C::PreviewFirstUnit: return choice(G::PreviewTarget, 0, "Aktuální a &první jednotka", "", 0, Checked);
        case C::PreviewEnteredUnit: return choice(G::PreviewTarget, 1, "Aktuální a &zadaná jednotka", "", 0);
        case C::AlwaysOnTop: return toggle("Vždy n&avrchu", "Ctrl+T", 1420);
        case C::ShowAllRows: return entry("Zobrazit", "", 1110);
        case C::HideActiveRow: return entry("Skrýt aktivní", "", 1110);
        case C::HideUnmarkedRows: return entry("Skrýt neoznačené", "", 1110);
        case C::PreviousTopic: return pictured(entry("&Předchozí téma", "F7", 1350, Off), "Zpet", "Zpět");
        case C::NextTopic: return pictured(entry("&Následující téma", "F8", 1350), "Vpred", "Vpřed");
        case C::OpenTopic: return entry("", "", 1110);  // captions by topic: topicEntryCaption
        case C::Font: return entry("Písmo...", "", 0, Hidden);
        case C::FormatSingle: return choice(G::PrecisionMode, 0, "&Jednoduchá přesnost", "Ctrl+J", 1030, Checked);
        case C::FormatDouble: return choice(G::PrecisionMode, 1, "&Dvojitá přesnost", "Ctrl+D", 1030);
        case C::FormatScientific: return choice(G::PrecisionMode, 2, "&Vědecké zobrazení", "", 1030);
        case C::FormatFixed: return choice(G::PrecisionMode, 3, "Pevné (Fi&xed)", "Ctrl+X", 1030);
        case C::RowsHideUnmarked: return entry("&Skrýt neoznačené", "", 1110, Off);
        case C::RowsShowAll: return entry("&Zobrazit", "", 1110);
        case C::ColourMarking: return toggle("&Barevné značení", "", 1110, Checked);
        case C::NavigatorIconView: return choice(G::NavigatorView, 0, "&Ikony", "", 1110);
        case C::NavigatorListView: return choice(G::NavigatorView, 1, "&Seznam", "", 1110, Checked);
        case C::ShowTopicList: return choice(G::NavigatorList, 0, "Seznam &veličin", "Shift+F4", 1150, Checked);
        case C::ShowUserTopicList: return choice(G::NavigatorList, 2, "&Uživatelské veličiny", "Ctrl+Shift+F4", 1150);
        case C::ShowUnitList: return choice(G::NavigatorList, 1, "Seznam &jednotek", "F4", 1150);
        case C::PrefixView: return entry("&Předpony", "F5", 50, Off);
        case C::Constants: return entry("Fyzikální &konstanty…", "F6", 1040);
        case C::AsBinary: return remembered(pictured(entry("&Binárně", "Ctrl+B", 1020), "Bin"));
        case C::AsOctal: return remembered(pictured(entry("&Oktálně", "Ctrl+O", 1020), "Oct"));
        case C::AsHex: return remembered(pictured(entry("&Hexadecimálně", "Ctrl+H", 1020), "Hex"));
        case C::AsOwnBase: return pictured(entry("Vlast&ní", "Ctrl+N", 1020), "AktualniJako");
        case C::AsOwnBaseWithPlaces: return pictured(entry("Vlastní vč. &des. míst", "", 1020), "AktualniJako");
        case C::AsFraction: return remembered(pictured(entry("&Zlomek", "Ctrl+Z", 1230), "Zlomek"));
        case C::AsRoman: return remembered(pictured(entry("Ří&msky", "Ctrl+L", 1380), "Romanus"));
        case C::RecordStart: return pictured(entry("&Start", "Ctrl+F5", 1370, Hidden), "Start", "Pokračovat");
        case C::RecordPause: return pictured(entry("Pa&uza", "Ctrl+F6", 1370, Hidden), "Pause");
        case C::RecordStop: return pictured(entry("S&top", "Ctrl+F7", 1370, Hidden), "Stop", "Konec nahrávání");
        case C::Record: return pictured(entry("Nah&rávání", "Ctrl+Shift+F5", 1370, Off), "Rec");
        case C::CompactView: return entry("Tolvarin Lite", "", 1112);
        case C::Calculator: return entry("K&alkulačka", "Ctrl+K", 1111);
        case C::Options: return entry("&Možnosti…", "", 1120);
        case C::Help: return entry("&Nápověda…", "F1", 0);
        case C::HelpIndex: return pictured(entry("&Index…", "", 1), "Napoveda", "Nápověda");
        case C::WhatsThis: return entry("&Co je to?", "", 1110, Hidden);
        case C::Keyboard: return entry("&Klávesnice…", "Shift+F1", 1160);
        case C::HomePage: return entry("&Domovská stránka…", "", 1110);
        case C::Feedback: return entry("&Připomínky k aplikaci…", "", 80);
        case C::About: return entry("&O aplikaci Tolvarin…", "", 0);
        // The two drop-down buttons wait, like "Aktuální jako", for a value;
        // "Úroveň" works from the start.
        case C::AsRemembered: return pictured(entry("Aktuální buňka jako…", "", 0, Off), "AktualniJako");
        case C::Levels: return pictured(entry("Úroveň", "", 0), "Uroven");
    }
    return {};
}

MenuInfo describe(Menu menu)
{
    switch (menu) {
        case Menu::File: return {text("&Soubor"), 1110};
        case Menu::EditUnits: return {text("&Editace jednotek"), 1110};
        case Menu::Edit: return {text("Úpr&avy"), 1110};
        case Menu::View: return {text("&Zobrazit"), 1110};
        case Menu::Level: return {text("Ú&roveň"), 1290};
        case Menu::PreviewTarget: return {text("&Krátký náhled uvádí"), 0};
        case Menu::Table: return {text("Tabulka"), 1110, true};
        case Menu::Go: return {text("&Přejít"), 1110};
        case Menu::Format: return {text("&Formát"), 1110};
        case Menu::Rows: return {text("Řád&ky"), 1110};
        case Menu::NavigatorView: return {text("Zobrazit &Navigátor"), 1110};
        case Menu::Tools: return {text("Nást&roje"), 1110};
        case Menu::AsView: return {text("Aktuální jako"), 1110, false, true};
        case Menu::Help: return {text("&Nápověda"), 1110};
    }
    return {};
}

// The captions of the "&Přejít" menu's topic entries, slots 1..26.
const char* const kTopicCaptions[] = {
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
static_assert(std::size(kTopicCaptions) == kBuiltinTopicCount);

MenuEntry item(Command command)
{
    MenuEntry e;
    e.kind = MenuEntry::Kind::Command;
    e.command = command;
    return e;
}

MenuEntry submenu(Menu menu)
{
    MenuEntry e;
    e.kind = MenuEntry::Kind::Submenu;
    e.submenu = menu;
    return e;
}

MenuEntry separator(bool hidden = false)
{
    MenuEntry e;
    e.hidden = hidden;
    return e;
}

std::vector<MenuEntry> items(std::initializer_list<Command> commands)
{
    std::vector<MenuEntry> entries;
    for (Command command : commands) entries.push_back(item(command));
    return entries;
}

std::vector<MenuEntry> entriesOf(Menu menu)
{
    using C = Command;
    switch (menu) {
        case Menu::File:
            return {item(C::OpenFile),   item(C::Reload), submenu(Menu::EditUnits), item(C::CloseEditor),
                    item(C::SaveEditor), separator(),     item(C::Print),           separator(),
                    item(C::Quit)};
        case Menu::EditUnits: return items({C::EditMainFile, C::EditUserFile});
        case Menu::Edit: return {item(C::Copy), item(C::ExtendedCopy), item(C::Paste), separator(), item(C::Find)};
        case Menu::View:
            return {submenu(Menu::Level),         separator(), item(C::Magnifier), item(C::Preview),
                    item(C::InfoPanel),           separator(), submenu(Menu::PreviewTarget),
                    item(C::AlwaysOnTop)};
        case Menu::Level: return items({C::LevelAll, C::Level1, C::Level2, C::Level3});
        case Menu::PreviewTarget: return items({C::PreviewFirstUnit, C::PreviewEnteredUnit});
        case Menu::Table: return items({C::ShowAllRows, C::HideActiveRow, C::HideUnmarkedRows});
        case Menu::Go: {
            std::vector<MenuEntry> entries = {item(C::PreviousTopic), item(C::NextTopic), separator()};
            for (int slot = 1; slot <= kBuiltinTopicCount; ++slot) {
                entries.push_back(item(C::OpenTopic));
                entries.back().topic = slot;
            }
            return entries;
        }
        case Menu::Format:
            return {item(C::Font),         separator(true),        item(C::FormatSingle), item(C::FormatDouble),
                    item(C::FormatScientific), item(C::FormatFixed), separator(),         submenu(Menu::Rows),
                    separator(),           submenu(Menu::NavigatorView)};
        case Menu::Rows: return {item(C::RowsHideUnmarked), item(C::RowsShowAll), separator(), item(C::ColourMarking)};
        case Menu::NavigatorView: return items({C::NavigatorIconView, C::NavigatorListView});
        case Menu::Tools:
            return {item(C::ShowTopicList), item(C::ShowUserTopicList), item(C::ShowUnitList), separator(),
                    item(C::PrefixView),    item(C::Constants),         separator(),           submenu(Menu::AsView),
                    separator(),            item(C::RecordStart),       item(C::RecordPause),  item(C::RecordStop),
                    item(C::Record),        separator(),                item(C::CompactView),  item(C::Calculator),
                    separator(),            item(C::Options)};
        case Menu::AsView:
            return {item(C::AsBinary),  item(C::AsOctal),    item(C::AsHex), item(C::AsOwnBase),
                    item(C::AsOwnBaseWithPlaces), separator(), item(C::AsFraction), item(C::AsRoman)};
        case Menu::Help:
            return {item(C::Help),     item(C::HelpIndex), separator(),       item(C::WhatsThis), item(C::Keyboard),
                    separator(),       item(C::HomePage),  item(C::Feedback), item(C::About)};
    }
    return {};
}

constexpr int kMenuCount = int(Menu::Help) + 1;

ToolbarItem toolSeparator()
{
    ToolbarItem item;
    item.separator = true;
    return item;
}

ToolbarItem button(Command command, std::vector<Command> dropDown = {})
{
    ToolbarItem item;
    item.command = command;
    item.dropDown = std::move(dropDown);
    return item;
}

}  // namespace

QString CommandInfo::buttonToolTip() const
{
    return toolTip.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : toolTip;
}

const CommandInfo& commandInfo(Command command)
{
    static const std::vector<CommandInfo> table = [] {
        std::vector<CommandInfo> rows;
        for (Command c : allCommands()) rows.push_back(describe(c));
        return rows;
    }();
    return table[size_t(command)];
}

std::vector<Command> allCommands()
{
    std::vector<Command> commands;
    for (int i = 0; i < kCommandCount; ++i) commands.push_back(Command(i));
    return commands;
}

QString topicEntryCaption(int slot)
{
    if (slot < 1 || slot > kBuiltinTopicCount) return QString();
    return text(kTopicCaptions[slot - 1]);
}

const MenuInfo& menuInfo(Menu menu)
{
    static const std::vector<MenuInfo> table = [] {
        std::vector<MenuInfo> rows;
        for (int i = 0; i < kMenuCount; ++i) rows.push_back(describe(Menu(i)));
        return rows;
    }();
    return table[size_t(menu)];
}

const std::vector<Menu>& menuBar()
{
    static const std::vector<Menu> menus = {Menu::File,   Menu::Edit,   Menu::View,  Menu::Table,
                                            Menu::Go,     Menu::Format, Menu::Tools, Menu::Help};
    return menus;
}

const std::vector<MenuEntry>& menuEntries(Menu menu)
{
    static const std::vector<std::vector<MenuEntry>> table = [] {
        std::vector<std::vector<MenuEntry>> rows;
        for (int i = 0; i < kMenuCount; ++i) rows.push_back(entriesOf(Menu(i)));
        return rows;
    }();
    return table[size_t(menu)];
}

// Design-time states of the buttons are their commands': the panel buttons
// and "Jako" wait for the first topic, "Zpět" for a topic to step back from,
// "Uložit" for the editor; the recorder starts idle with only "Rec" shown,
// enabled once a topic with units is open.
const std::vector<ToolbarItem>& toolbarLayout()
{
    using C = Command;
    static const std::vector<ToolbarItem> layout = {
        button(C::EditMainFile),
        button(C::SaveEditor),
        toolSeparator(),
        toolSeparator(),
        button(C::Print),
        button(C::Copy),
        button(C::Paste),
        toolSeparator(),
        button(C::Preview),
        button(C::Magnifier),
        button(C::InfoPanel),
        button(C::AsRemembered,
               {C::AsBinary, C::AsOctal, C::AsHex, C::AsOwnBase, C::AsOwnBaseWithPlaces, C::AsFraction, C::AsRoman}),
        toolSeparator(),
        button(C::PreviousTopic),
        button(C::NextTopic),
        toolSeparator(),
        button(C::Levels, {C::LevelAll, C::Level1, C::Level2, C::Level3}),
        toolSeparator(),
        button(C::RecordStart),
        button(C::RecordPause),
        button(C::RecordStop),
        button(C::Record),
        toolSeparator(),
        button(C::HelpIndex),
    };
    return layout;
}

const std::vector<ToolbarImage>& toolbarImages()
{
    // The program draws every picture itself, so that the toolbar is one set
    // whatever icon theme the desktop has.
    static const std::vector<ToolbarImage> images = {
        {QStringLiteral("Otevrit")}, {QStringLiteral("Ulozit")},   {QStringLiteral("Tisk")},
        {QStringLiteral("Kopirovat")}, {QStringLiteral("Vlozit")}, {QStringLiteral("Nahled")},
        {QStringLiteral("Lupa")},    {QStringLiteral("Info")},     {QStringLiteral("Zpet")},
        {QStringLiteral("Vpred")},   {QStringLiteral("Uroven")},   {QStringLiteral("Start")},
        {QStringLiteral("Pause")},   {QStringLiteral("Stop")},     {QStringLiteral("Rec")},
        {QStringLiteral("Napoveda")}, {QStringLiteral("AktualniJako")}, {QStringLiteral("Bin")},
        {QStringLiteral("Oct")},     {QStringLiteral("Hex")},      {QStringLiteral("Zlomek")},
        {QStringLiteral("Romanus")},
    };
    return images;
}

const ToolbarImage* findToolbarImage(const QString& key)
{
    for (const ToolbarImage& image : toolbarImages())
        if (image.key == key) return &image;
    return nullptr;
}

const std::vector<StatusPanelInfo>& statusPanels()
{
    static const std::vector<StatusPanelInfo> panels = {
        {StatusPanel::NavigatorList, text("Veličiny"), text("Navigátor")},
        {StatusPanel::TopicCount, text("Témat:"), text("Klepněte pro seznam")},
        {StatusPanel::UnitCount, text("Jednotek v aplikaci:"), text("Klepněte pro seznam")},
        {StatusPanel::TopicUnits, text("V tématu:"), QString()},
        {StatusPanel::Level, text("V"), text("Úroveň")},
        {StatusPanel::Precision, text("J"), text("Jednoduchá přesnost")},
    };
    return panels;
}

const EditModeTargets& editModeTargets()
{
    using C = Command;
    static const EditModeTargets targets = {
        {C::CloseEditor, C::SaveEditor},
        {C::Reload, C::Preview, C::Magnifier, C::InfoPanel, C::PrefixView, C::RecordStart, C::RecordPause,
         C::RecordStop, C::Record, C::AsRemembered, C::Levels, C::Options},
        {Menu::EditUnits, Menu::AsView, Menu::Level, Menu::Rows},
        {C::Font},
    };
    return targets;
}

}  // namespace tolvarin
