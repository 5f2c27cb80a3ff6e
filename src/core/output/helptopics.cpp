#include "output/helptopics.h"

#include <algorithm>

namespace tolvarin {

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct TopicEntry {
    int context;
    const char* file;
    const char* anchor;
};

// Numbers by the part of the program they explain.
const TopicEntry kTopics[] = {
    {helpcontext::kContents, "obsah.html", ""},
    {helpcontext::kUsingHelp, "napoveda.html", ""},
    {helpcontext::kMainWindow, "okno.html", ""},
    {helpcontext::kMagnifier, "okno.html", "lupa"},
    {helpcontext::kInfoPanel, "okno.html", "informace"},
    {helpcontext::kPreview, "okno.html", "kratky-nahled"},
    {helpcontext::kAlwaysOnTop, "okno.html", "vzdy-navrchu"},
    {helpcontext::kMenus, "nabidky.html", ""},
    {helpcontext::kConversionTable, "tabulka.html", ""},
    {helpcontext::kPrecision, "presnost.html", ""},
    {helpcontext::kNumberSystems, "jako.html", "soustavy"},
    {helpcontext::kFraction, "jako.html", "zlomek"},
    {helpcontext::kRomanNumerals, "jako.html", "rimska-cisla"},
    {helpcontext::kPrefixView, "predpony.html", ""},
    {helpcontext::kNavigator, "navigator.html", ""},
    {helpcontext::kTopicNavigation, "navigator.html", "prejit"},
    {helpcontext::kUnitSearch, "hledani.html", ""},
    {helpcontext::kLevels, "urovne.html", ""},
    {helpcontext::kDataFiles, "soubory.html", ""},
    {helpcontext::kDataFileEditor, "soubory.html", "editor"},
    {helpcontext::kRecording, "nahravani.html", ""},
    {helpcontext::kPrinting, "tisk.html", ""},
    {helpcontext::kOptions, "moznosti.html", ""},
    {helpcontext::kCompactView, "lite.html", ""},
    {helpcontext::kCalculator, "sluzby.html", "kalkulacka"},
    {helpcontext::kFeedback, "sluzby.html", "pripominky"},
    {helpcontext::kAbout, "sluzby.html", "o-aplikaci"},
    {helpcontext::kKeyboard, "klavesnice.html", ""},
    {helpcontext::kConstants, "konstanty.html", ""},
    {helpcontext::kCommandLine, "cli.html", ""},
};

}  // namespace

const std::vector<HelpPage>& helpPages()
{
    static const std::vector<HelpPage> pages = {
        {text("obsah.html"), text("Obsah nápovědy")},
        {text("zaciname.html"), text("Začínáme")},
        {text("okno.html"), text("Hlavní okno")},
        {text("tabulka.html"), text("Převodní tabulka")},
        {text("presnost.html"), text("Přesnost zobrazení")},
        {text("jako.html"), text("Aktuální hodnota jinak")},
        {text("predpony.html"), text("Předpony")},
        {text("navigator.html"), text("Navigátor a výběr tématu")},
        {text("hledani.html"), text("Hledání jednotek")},
        {text("urovne.html"), text("Úrovně a skryté řádky")},
        {text("soubory.html"), text("Datové soubory a vlastní jednotky")},
        {text("nahravani.html"), text("Nahrávání převodů")},
        {text("tisk.html"), text("Tisk a výstupní soubor")},
        {text("moznosti.html"), text("Možnosti")},
        {text("lite.html"), text("Tolvarin Lite")},
        {text("sluzby.html"), text("Kalkulačka, web a připomínky")},
        {text("nabidky.html"), text("Nabídky programu")},
        {text("klavesnice.html"), text("Klávesové zkratky")},
        {text("konstanty.html"), text("Fyzikální konstanty")},
        {text("cli.html"), text("Program tolvarin-cli")},
        {text("napoveda.html"), text("Jak používat nápovědu")},
    };
    return pages;
}

HelpTarget helpTarget(int context)
{
    const auto found = std::find_if(std::begin(kTopics), std::end(kTopics),
                                    [context](const TopicEntry& entry) { return entry.context == context; });
    const TopicEntry& entry = found == std::end(kTopics) ? kTopics[0] : *found;
    return {text(entry.file), text(entry.anchor)};
}

std::vector<int> helpContexts()
{
    std::vector<int> contexts;
    for (const TopicEntry& entry : kTopics) contexts.push_back(entry.context);
    return contexts;
}

}  // namespace tolvarin
