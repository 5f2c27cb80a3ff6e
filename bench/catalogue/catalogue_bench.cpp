// Loading both data files: a main file of 1000 units in 26 sections and a
// user file of 100 units in 5 user topics.
#include "catalogue/catalogueloader.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tolvarin;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) std::abort();
    file.write(bytes);
}

QByteArray mainFile()
{
    QByteArray text = "'generated for the benchmark\r\n";
    for (int slot = 1; slot <= 26; ++slot) {
        const int units = slot <= 12 ? 39 : 38;
        for (int row = 1; row <= units; ++row) {
            text += QByteArray::number(slot) + "|" + (row % 3 == 0 ? "+" : "") + "jednotka č. " +
                    QByteArray::number(row) + "|j" + QByteArray::number(row) + "|" +
                    (row % 4 == 0 ? QByteArray("PI/180") : QByteArray::number(row * 1.2345678901234, 'g', 15)) +
                    "|Informace o jednotce, která se převádí." + (row == 1 ? "|True" : "") + "\r\n";
        }
    }
    return text;
}

QByteArray userFile()
{
    QByteArray text = "'U1=Frekvence\r\n";
    for (int i = 0; i < 100; ++i)
        text += QByteArray::number(i % 5 + 1) + "|uživatelská " + QByteArray::number(i) + "|u" +
                QByteArray::number(i) + "|" + QByteArray::number(i + 1) + ".5|info\r\n";
    return text;
}

void BM_ReloadCatalogue(benchmark::State& state)
{
    QTemporaryDir dir;
    DataFileConfig config;
    config.mainPath = dir.filePath(QStringLiteral("Tolvar.tvd"));
    config.userPath = dir.filePath(QStringLiteral("User.tvd"));
    config.locale = QLocale(QLocale::Czech, QLocale::CzechRepublic);
    writeFile(config.mainPath, mainFile());
    writeFile(config.userPath, userFile());
    auto catalogue = std::make_unique<UnitCatalogue>();
    DataFileReport report;
    for (auto _ : state) {
        report = reloadCatalogue(*catalogue, config);
        benchmark::DoNotOptimize(catalogue->count(26));
    }
    if (!report.isClean() || catalogue->count(1) != 39) state.SkipWithError("the generated files did not load");
}
BENCHMARK(BM_ReloadCatalogue)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
