#include "channels/channel_rows.h"
#include "core/rig/radio_data.h"
#include "core/rig/rig_core.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>
#include <string>
#include <unistd.h>

// Bytes held by live allocations, to measure what one radio data object keeps.
namespace {
std::atomic<long long> g_liveBytes{0};
}

void* operator new(std::size_t size)
{
    auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *block = size;
    g_liveBytes += static_cast<long long>(size);
    return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}

void operator delete(void* pointer) noexcept
{
    if (pointer == nullptr) {
        return;
    }
    auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
    g_liveBytes -= static_cast<long long>(*block);
    std::free(block);
}

void operator delete(void* pointer, std::size_t /*size*/) noexcept
{
    operator delete(pointer);
}

namespace {

// Files go to memory-backed storage where there is one, so the figures show the program's own cost
// rather than the disk's; SaveFullFileToDisk shows what a synced save on the temporary folder costs.
std::string TempPath(const char* name, bool onDisk = false)
{
    const std::string folder = !onDisk && ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return folder + "/zqbench-" + std::to_string(::getpid()) + "-" + name;
}

// A document with a realistic share of channels in use.
void FillChannels(CRadioData& data)
{
    for (int ch = 0; ch < 60; ++ch) {
        const std::string prefix = "CH.MCH." + std::to_string(ch) + ".";
        data.Execute(prefix + "FREQUENCY=" + std::to_string(144 + ch % 2) + "." +
                     std::to_string(100 + ch * 5));
        data.Execute(prefix + "APPEAR=ON");
        data.Execute(prefix + "NAME=CH" + std::to_string(ch));
    }
    data.Execute("HEAL");
}

void FullListRebuild(benchmark::State& state)
{
    CL52RadioData data;
    data.Initialize();
    FillChannels(data);
    for (auto _ : state) {
        for (int row = 0; row < channel_rows::kRowCount; ++row) {
            benchmark::DoNotOptimize(channel_rows::BuildRow(data, row));
        }
    }
}
BENCHMARK(FullListRebuild)->Unit(benchmark::kMicrosecond);

void EditFlagQueryOnEditedImage(benchmark::State& state)
{
    CL52RadioData data;
    data.Initialize();
    FillChannels(data);
    data.Execute("EDIT_FLAG=OFF");
    data.Execute("CH.MCH.70.FREQUENCY=433.5");
    data.Execute("CH.MCH.70.APPEAR=ON");
    for (auto _ : state) {
        // The flag is sticky once seen; clear it so every query compares the images again.
        state.PauseTiming();
        data.Execute("EDIT_FLAG=OFF");
        data.Execute("CH.MCH.70.FREQUENCY=433.5");
        data.Execute("CH.MCH.71.FREQUENCY=433.6");
        data.Execute("CH.MCH.71.APPEAR=ON");
        state.ResumeTiming();
        benchmark::DoNotOptimize(data.Execute("EDIT_FLAG"));
    }
}
BENCHMARK(EditFlagQueryOnEditedImage)->Unit(benchmark::kMicrosecond);

void LoadAndHealFullFile(benchmark::State& state)
{
    const std::string path = TempPath("load.vlk");
    CL52RadioData data;
    data.Initialize();
    FillChannels(data);
    data.Execute("FILE.SAVE.\"" + path + "\"");
    const std::string load = "FILE.LOAD.\"" + path + "\"";
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.Execute(load));
        benchmark::DoNotOptimize(data.Execute("HEAL"));
    }
    ::unlink(path.c_str());
}
BENCHMARK(LoadAndHealFullFile)->Unit(benchmark::kMicrosecond);

void SaveFullFile(benchmark::State& state, bool onDisk)
{
    const std::string path = TempPath("save.vlk", onDisk);
    CL52RadioData data;
    data.Initialize();
    FillChannels(data);
    const std::string save = "FILE.SAVE.\"" + path + "\"";
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.Execute(save));
    }
    ::unlink(path.c_str());
}
BENCHMARK_CAPTURE(SaveFullFile, InMemory, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SaveFullFile, ToDisk, true)->Unit(benchmark::kMicrosecond);

void MemoryOfOneRadioDataObject(benchmark::State& state)
{
    long long held = 0;
    for (auto _ : state) {
        const long long before = g_liveBytes.load();
        auto* data = new CL52RadioData();
        data->Initialize();
        FillChannels(*data);
        held = g_liveBytes.load() - before;
        delete data;
    }
    state.counters["KiB_held"] = static_cast<double>(held) / 1024.0;
}
BENCHMARK(MemoryOfOneRadioDataObject)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
