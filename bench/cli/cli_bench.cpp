// What "tolvarin-cli 5 km m" does once the process runs: reading the shipped
// data files into the catalogue, and the whole command with its output.
#include "catalogue/mainfilereader.h"
#include "catalogue/userfilereader.h"
#include "clirun.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tolvarin;

const QString kMainFile = QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/Tolvar.tvd");
const QString kUserFile = QStringLiteral(TOLVARIN_SHIPPED_DATA_DIR "/User.tvd");

void BM_ReadShippedDataFiles(benchmark::State& state)
{
    DataFileConfig config;
    config.mainPath = kMainFile;
    config.userPath = kUserFile;
    config.locale = QLocale(QLocale::Czech, QLocale::CzechRepublic);
    for (auto _ : state) {
        auto catalogue = std::make_unique<UnitCatalogue>();
        DataFileReport report = readMainDataFile(*catalogue, config);
        report.append(readUserDataFile(*catalogue, config));
        if (!report.isClean()) state.SkipWithError("the shipped data files did not read cleanly");
        benchmark::DoNotOptimize(catalogue->count(1));
    }
}
BENCHMARK(BM_ReadShippedDataFiles)->Unit(benchmark::kMicrosecond);

void runCommand(benchmark::State& state, const QStringList& arguments)
{
    const QStringList withData = QStringList{QStringLiteral("--data"),      kMainFile,
                                             QStringLiteral("--user-data"), kUserFile,
                                             QStringLiteral("--locale"),    QStringLiteral("cs_CZ")} +
                                 arguments;
    const QLocale systemLocale = QLocale::system();
    for (auto _ : state) {
        cli::CliOutput output;
        if (cli::runCli(withData, systemLocale, output) != cli::kExitSuccess) state.SkipWithError("the command failed");
        benchmark::DoNotOptimize(output.out.size());
    }
}

// Load, look up both units, convert and format: "tolvarin-cli 5 km m".
void BM_ConvertOneValue(benchmark::State& state)
{
    runCommand(state, {QStringLiteral("5"), QStringLiteral("km"), QStringLiteral("m")});
}
BENCHMARK(BM_ConvertOneValue)->Unit(benchmark::kMicrosecond);

// The whole length topic as a table.
void BM_ConvertWholeTopic(benchmark::State& state)
{
    runCommand(state, {QStringLiteral("5"), QStringLiteral("km")});
}
BENCHMARK(BM_ConvertWholeTopic)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
