#include "clirun.h"

#include "catalogue/datafilelocation.h"
#include "commands.h"

namespace tolvarin::cli {

namespace {

int runWithCatalogue(const Options& options, CliOutput& output)
{
    Session session(options, output);
    // A conversion needs only the topics of its units.
    const QStringList unitWords =
        options.command == Command::Convert ? options.arguments.mid(1, 2) : QStringList();
    if (!session.load(unitWords)) return kExitFailure;
    int status = kExitFailure;
    switch (options.command) {
        case Command::Convert: status = runConvert(session); break;
        case Command::List: status = runList(session); break;
        case Command::Info: status = runInfo(session); break;
        case Command::Search: status = runSearch(session); break;
        case Command::As:
        case Command::Help:
        case Command::Version: break;
    }
    // A bad line in a data file may have left a wrong coefficient behind.
    return session.dataHadMessages() ? kExitFailure : status;
}

}  // namespace

int runCli(const QStringList& arguments, const QLocale& systemLocale, CliOutput& output)
{
    const std::variant<Options, UsageError> parsed = parseArguments(arguments, systemLocale);
    if (const UsageError* usage = std::get_if<UsageError>(&parsed)) {
        output.err += QStringLiteral("tolvarin-cli: ") + usage->message +
                      QStringLiteral("\nNápovědu vypíše tolvarin-cli --help.\n");
        return kExitUsage;
    }
    const Options& options = std::get<Options>(parsed);
    switch (options.command) {
        case Command::Help: output.out += helpText(); return kExitSuccess;
        case Command::Version:
            output.out += QStringLiteral("tolvarin-cli (Tolvarin) " TOLVARIN_VERSION "\n");
            return kExitSuccess;
        case Command::As: return runRepresent(options, output);
        case Command::Convert:
        case Command::List:
        case Command::Info:
        case Command::Search: break;
    }
    return runWithCatalogue(options, output);
}

QString helpText()
{
    return QStringLiteral(
               "Převod fyzikálních jednotek z příkazové řádky.\n"
               "\n"
               "Použití:\n"
               "  tolvarin-cli HODNOTA JEDNOTKA [CÍL]  převede hodnotu do cílové jednotky; bez cíle\n"
               "                                       vypíše hodnotu ve všech jednotkách tématu\n"
               "  tolvarin-cli list [TÉMA]             témata s počty jednotek, nebo jednotky tématu\n"
               "  tolvarin-cli info JEDNOTKA           informace o jednotce\n"
               "  tolvarin-cli search TEXT             hledá jednotky podle názvu ve vestavěných tématech\n"
               "  tolvarin-cli as DRUH HODNOTA         hodnota jinak zapsaná; DRUH je bin, oct, hex,\n"
               "                                       base, based, fraction nebo roman\n"
               "\n"
               "Jednotka se hledá podle značky, a není-li taková, podle názvu (přesná shoda včetně\n"
               "velikosti písmen) ve vestavěných i uživatelských tématech. Téma se zadává číslem,\n"
               "klíčem (Delka) nebo názvem (Délka). Čísla se zapisují podle národního prostředí,\n"
               "záporné číslo lze zadat přímo (-5) nebo za --.\n"
               "\n"
               "Volby:\n"
               "  --format J|D|S|F    zobrazení čísel: jednoduchá přesnost (výchozí), dvojitá přesnost,\n"
               "                      vědecké zobrazení, pevný počet desetinných míst\n"
               "  --fix N             počet desetinných míst pevného zobrazení, 0 až 9 (výchozí 2);\n"
               "                      bez --format zvolí pevné zobrazení\n"
               "  --topic TÉMA        hledá jednotky jen v tomto tématu\n"
               "  --level 0..3        úroveň jednotek: 0 vše (výchozí), 1 až 3 úroveň 1 až 3\n"
               "  --data SOUBOR       hlavní datový soubor (výchozí Tolvar.tvd v %1,\n"
               "                      jinak v %2, jinak ve složce programu)\n"
               "  --user-data SOUBOR  uživatelský datový soubor (výchozí User.tvd tamtéž, nemusí\n"
               "                      existovat; prázdná cesta: bez uživatelských jednotek)\n"
               "  --locale NÁZEV      národní prostředí čísel, např. cs_CZ nebo en_US (výchozí systémové)\n"
               "  --csv               tabulka ve formátu CSV (oddělovač čárka, text s čárkou v uvozovkách)\n"
               "  --tsv               tabulka se sloupci oddělenými tabulátorem\n"
               "  --base N            základ vlastní soustavy pro base a based, 2 až 32 (výchozí 12)\n"
               "  --places N          počet míst za řádovou čárkou pro based, 1 až 16 (výchozí 6)\n"
               "  --sensitivity N     počet desetinných míst pro fraction, 1 až 9 (výchozí 3)\n"
               "  --help              vypíše tuto nápovědu\n"
               "  --version           vypíše verzi programu\n"
               "\n"
               "Sloupce tabulek:\n"
               "  převod     název, značka, hodnota\n"
               "  list       číslo tématu, klíč, název, počet jednotek\n"
               "  list TÉMA  název, značka, koeficient, úroveň (1 bez značky, 2 „+“, 3 „*“)\n"
               "  search     název, značka, téma, umístění (téma-řádek), shoda (přesná, podobná)\n"
               "\n"
               "Návratový kód: 0 úspěch, 1 chyba převodu nebo dat, 2 chybné použití.\n")
        .arg(userDataFolder(), installedDataFolder());
}

}  // namespace tolvarin::cli
