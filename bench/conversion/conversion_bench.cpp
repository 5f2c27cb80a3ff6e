// One commit and one rewrite of the value column on the largest topic the
// catalogue holds (150 units), in each precision mode.
#include "common/recordingmessagesink.h"
#include "conversion/conversionengine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace tolvarin;

namespace {

const QLocale kCzech(QLocale::Czech, QLocale::CzechRepublic);
constexpr int kRows = 150;

// Coefficients spread over thirty decades, as in a topic of prefixed units.
std::vector<Unit> largeTopic()
{
    std::vector<Unit> units;
    for (int i = 0; i < kRows; ++i) {
        const double coefficient = std::pow(10.0, (i - kRows / 2) / 5.0) * (1.0 + i % 7 / 10.0);
        units.push_back({QStringLiteral("jednotka %1").arg(i), QStringLiteral("j%1").arg(i), coefficient, {}});
    }
    return units;
}

DisplayFormat formatOf(const benchmark::State& state)
{
    return DisplayFormat{precisionModeFromIndex(int(state.range(0))), FixPattern(3)};
}

CommitRequest requestFor(const std::vector<Unit>& units, const DisplayFormat& format)
{
    CommitRequest request;
    request.slot = 1;
    request.units = units;
    request.sourceRow = kRows / 2;
    request.enteredText = QStringLiteral("12,5");
    request.column = QStringList(kRows, QString());
    request.format = format;
    return request;
}

void BM_Commit(benchmark::State& state)
{
    const std::vector<Unit> units = largeTopic();
    const CommitRequest request = requestFor(units, formatOf(state));
    ConversionEngine engine;
    RecordingMessageSink sink;
    for (auto _ : state) {
        CommitResult result = engine.commit(request, kCzech, sink);
        benchmark::DoNotOptimize(result);
    }
    if (!sink.messages.isEmpty()) state.SkipWithError("the commit failed");
}

void BM_ApplyFormat(benchmark::State& state)
{
    const std::vector<Unit> units = largeTopic();
    const DisplayFormat format = formatOf(state);
    ConversionEngine engine;
    RecordingMessageSink sink;
    const QStringList column =
        engine.commit(requestFor(units, DisplayFormat{PrecisionMode::Double}), kCzech, sink).column;
    for (auto _ : state) {
        Result<QStringList> result = ApplyFormat(column, format, kCzech);
        benchmark::DoNotOptimize(result);
    }
}

}  // namespace

// Argument: the precision mode, 0 single, 1 double, 2 scientific, 3 fixed.
BENCHMARK(BM_Commit)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ApplyFormat)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
