// The playlist at scale: a drop of many files (the time to add them all and the memory they
// take), and removing every entry from the front one by one. Run with several sizes, so that a
// cost growing with the square of the list's length shows as a growing time per entry.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <vector>

#include "bench/Sidebar.h"

namespace brivane {
namespace {

// Paths of a typical music folder: about 80 characters each.
std::vector<std::string> songPaths(int count) {
    std::vector<std::string> paths;
    paths.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        paths.push_back("/home/ana/Music/Some Artist/An Album Title (2004)/" +
                        std::to_string(i % 20 + 1) + " - A Song Title Number " + std::to_string(i) +
                        ".mp3");
    return paths;
}

// Each iteration builds a sidebar and fills its list outside the timing, which costs far more
// than what is timed: a fixed number of iterations keeps the run short.
constexpr int SetUpHeavy = 30;

std::size_t heapInUse() { return mallinfo2().uordblks; }

// The sidebar with the platform's call record off, so that it is not measured with the program.
struct Sidebar : bench::Sidebar {
    Sidebar() { platform.recording = false; }
    void drop(const std::vector<std::string>& paths) {
        platform.dropFiles(Form1->ListBox1.handle(), paths);
    }
};
void DropFiles(benchmark::State& state) {
    const std::vector<std::string> paths = songPaths(int(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            Sidebar sidebar;
            const std::size_t before = heapInUse();
            state.ResumeTiming();
            sidebar.drop(paths);
            state.PauseTiming();
            bytes = heapInUse() - before;
            if (Form1->ListBox1.count() != int(paths.size())) state.SkipWithError("files lost");
        }
        state.ResumeTiming();
    }
    state.counters["heap_bytes"] = double(bytes);
    state.counters["heap_bytes_per_entry"] = double(bytes) / double(paths.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(DropFiles)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(SetUpHeavy)
    ->Complexity();

// A drop of a fixed number of files onto a list that holds many already: the time must not
// depend on how many.
void DropOntoALongList(benchmark::State& state) {
    const std::vector<std::string> already = songPaths(int(state.range(0)));
    const std::vector<std::string> paths = songPaths(1000);
    for (auto _ : state) {
        state.PauseTiming();
        {
            Sidebar sidebar;
            sidebar.drop(already);
            state.ResumeTiming();
            sidebar.drop(paths);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(DropOntoALongList)
    ->Arg(0)
    ->Arg(10000)
    ->Arg(40000)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(SetUpHeavy);

void RemoveAllFromTheFront(benchmark::State& state) {
    const std::vector<std::string> paths = songPaths(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        {
            Sidebar sidebar;
            sidebar.drop(paths);
            Form1->ListBox1.setItemIndex(0);
            state.ResumeTiming();
            while (Form1->ListBox1.count() > 0) Form1->removeClick();
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(RemoveAllFromTheFront)
    ->RangeMultiplier(2)
    ->Range(1250, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(SetUpHeavy)
    ->Complexity();

}  // namespace
}  // namespace brivane
