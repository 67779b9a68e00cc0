// How long the sidebar takes to compose: the whole 122 x 1200 window from scratch, and one
// 105 x 105 region (the clock's) repainted after its picture changed.
#include <benchmark/benchmark.h>

#include "bench/Sidebar.h"

namespace brivane {
namespace {

using bench::Sidebar;

void ComposeWholeSidebar(benchmark::State& state) {
    Sidebar sidebar;
    TForm1& form = *Form1;
    for (auto _ : state) {
        form.invalidate({0, 0, form.clientWidth(), form.clientHeight()});
        form.update();
        benchmark::DoNotOptimize(form.picture().pixel(60, 600));
    }
}
BENCHMARK(ComposeWholeSidebar)->Unit(benchmark::kMicrosecond);

void RepaintClockRegion(benchmark::State& state) {
    Sidebar sidebar;
    TForm1& form = *Form1;
    int n = 0;
    for (auto _ : state) {
        form.Image2.changePicture([&](ui::Bitmap& b) { b.setPixel(50, 50, ui::rgb(n++ & 0xFF, 0, 0)); });
        form.update();
        benchmark::DoNotOptimize(form.picture().pixel(60, 60));
    }
}
BENCHMARK(RepaintClockRegion)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brivane
