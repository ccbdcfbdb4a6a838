#include "core/rig/radio_data.h"
#include "operations/channel_operations.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>
#include <string>
#include <vector>

// The operations on all 100 memory channels, and the undo the window keeps for each: the image before
// and after ("IMAGE") and, to undo, that image put back ("IMAGE=<hex>"). Each must stay well under
// 20 ms so that one operation is one quick undo step.
namespace {

constexpr std::string_view kImage = "IMAGE";
constexpr std::string_view kImageSet = "IMAGE=";

// All 100 memory channels in use in shuffled frequency order, with names, tones and a few skips.
void FillShuffled(CRadioData& data)
{
    std::vector<int> order(100);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(52));
    for (int ch = 0; ch <= CChannelOperations::kLastMemory; ++ch) {
        const std::string prefix = "CH.MCH." + std::to_string(ch) + ".";
        const int k = order[static_cast<size_t>(ch)];
        data.Execute(prefix + "APPEAR=ON");
        data.Execute(prefix + "FREQUENCY.ByNumber=" +
                     std::to_string((k % 2 == 0 ? 144000000 : 430000000) + 25000 * k));
        data.Execute(prefix + "NAME=N" + std::to_string(99 - k));
        data.Execute(prefix + "TONE_SELECTION=" + (k % 3 == 0 ? "TSQL" : "TONE"));
        data.Execute(prefix + "REPEATER_TONE_FREQUENCY.ByNumber=" + std::to_string(k % 50));
        data.Execute(prefix + "SKIP=" + (k % 7 == 0 ? "ON" : "OFF"));
        data.Execute(prefix + "HEAL");
    }
    data.Execute("HEAL");
}

struct SDocument
{
    SDocument()
    {
        data.Initialize();
        FillShuffled(data);
        shuffled = data.Execute(kImage);
    }
    CL52RadioData data;
    std::string shuffled;
};

void SortHundredChannels(benchmark::State& state, ESortKey key)
{
    SDocument document;
    CChannelOperations operations(document.data);
    for (auto _ : state) {
        state.PauseTiming();
        document.data.Execute(std::string(kImageSet) + document.shuffled);
        state.ResumeTiming();
        benchmark::DoNotOptimize(operations.Sort(0, CChannelOperations::kLastMemory, key));
    }
}
BENCHMARK_CAPTURE(SortHundredChannels, ByFrequency, ESortKey::Frequency)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortHundredChannels, ByName, ESortKey::Name)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortHundredChannels, ByTone, ESortKey::ToneThenFrequency)->Unit(benchmark::kMillisecond);

// What one Sort Channels costs the window: the image before, the sort, the image after.
void SortHundredChannelsAsOneUndoStep(benchmark::State& state)
{
    SDocument document;
    CChannelOperations operations(document.data);
    for (auto _ : state) {
        state.PauseTiming();
        document.data.Execute(std::string(kImageSet) + document.shuffled);
        state.ResumeTiming();
        benchmark::DoNotOptimize(document.data.Execute(kImage));
        benchmark::DoNotOptimize(operations.Sort(0, CChannelOperations::kLastMemory, ESortKey::Frequency));
        benchmark::DoNotOptimize(document.data.Execute(kImage));
    }
}
BENCHMARK(SortHundredChannelsAsOneUndoStep)->Unit(benchmark::kMillisecond);

// Alternates the value so that every pass changes all 100 channels.
void FillHundredChannels(benchmark::State& state, EChannelField field, const char* first, const char* second)
{
    SDocument document;
    CChannelOperations operations(document.data);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        benchmark::DoNotOptimize(
            operations.Fill(0, CChannelOperations::kLastMemory, field, flip ? first : second));
    }
}
BENCHMARK_CAPTURE(FillHundredChannels, Skip, EChannelField::Skip, "S", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FillHundredChannels, TsqlTone, EChannelField::TsqlTone, "88.5", "100.0")
    ->Unit(benchmark::kMillisecond);
// AM is allowed on none of these channels, so every one is set, found wrong and put back.
BENCHMARK_CAPTURE(FillHundredChannels, ModeNotAllowed, EChannelField::Mode, "AM", "AM")
    ->Unit(benchmark::kMillisecond);

// Undo of an operation: the image before it put back, every channel decoded afresh.
void UndoOperation(benchmark::State& state, bool sort)
{
    SDocument document;
    CChannelOperations operations(document.data);
    const std::string before = document.data.Execute(kImage);
    if (sort) {
        operations.Sort(0, CChannelOperations::kLastMemory, ESortKey::Frequency);
    } else {
        operations.Fill(0, CChannelOperations::kLastMemory, EChannelField::Skip, "S");
    }
    const std::string after = document.data.Execute(kImage);
    bool undo = false;
    for (auto _ : state) {
        undo = !undo;
        benchmark::DoNotOptimize(document.data.Execute(std::string(kImageSet) + (undo ? before : after)));
    }
}
BENCHMARK_CAPTURE(UndoOperation, Sort, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(UndoOperation, Fill, false)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
