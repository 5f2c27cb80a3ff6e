// One commit and one change of display format on the largest topic the
// catalogue holds (150 units), in each precision mode, through the model of
// the open topic as the window uses it.
#include "catalogue/unitcatalogue.h"
#include "conversion/topicmodel.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

using namespace tolvarin;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
constexpr int kRows = 150;
constexpr int kSlot = 1;

// Coefficients spread over thirty decades, as in a topic of prefixed units.
std::unique_ptr<UnitCatalogue> largeTopic()
{
    auto catalogue = std::make_unique<UnitCatalogue>();
    for (int i = 0; i < kRows; ++i) {
        const double coefficient = std::pow(10.0, (i - kRows / 2) / 5.0) * (1.0 + i % 7 / 10.0);
        catalogue->unit(kSlot, i + 1) = {QStringLiteral("jednotka %1").arg(i), QStringLiteral("j%1").arg(i),
                                         coefficient, {}};
    }
    catalogue->setCount(kSlot, kRows);
    return catalogue;
}

DisplayFormat formatOf(const benchmark::State& state)
{
    return DisplayFormat{precisionModeFromIndex(int(state.range(0))), fixedDecimalsPattern(3)};
}

void BM_Commit(benchmark::State& state)
{
    const std::unique_ptr<UnitCatalogue> catalogue = largeTopic();
    TopicModel model(*catalogue, kCzech);
    (void)model.setFormat(formatOf(state));
    model.open(kSlot);
    for (auto _ : state) {
        const ConversionOutcome outcome = model.commit(kRows / 2, QStringLiteral("12,5"));
        if (!outcome.converted()) state.SkipWithError("the commit failed");
        benchmark::DoNotOptimize(outcome);
    }
}

void BM_ChangeFormat(benchmark::State& state)
{
    const std::unique_ptr<UnitCatalogue> catalogue = largeTopic();
    TopicModel model(*catalogue, kCzech);
    model.open(kSlot);
    model.commit(kRows / 2, QStringLiteral("12,5"));
    const DisplayFormat formats[] = {formatOf(state), DisplayFormat{PrecisionMode::Double}};
    int next = 0;
    for (auto _ : state) {
        const Result<bool> done = model.setFormat(formats[next]);
        next = 1 - next;
        benchmark::DoNotOptimize(done);
    }
}

}  // namespace

// Argument: the precision mode, 0 single, 1 double, 2 scientific, 3 fixed.
BENCHMARK(BM_Commit)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChangeFormat)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
