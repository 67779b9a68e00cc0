// What a second of the clock costs: one Timer4 tick (the face copy, three hands) with the repaint
// of the clock's region, and one Timer2 tick (three readings of the time, three captions) with the
// repaint of the captions that changed.
#include <benchmark/benchmark.h>

#include "bench/Sidebar.h"

namespace brivane {
namespace {

using bench::Sidebar;

void AnalogClockTick(benchmark::State& state) {
    Sidebar sidebar;
    TForm1& form = *Form1;
    int n = 0;
    for (auto _ : state) {
        sidebar.nextSecond(n += 61);
        form.Timer4Timer();
        form.update();
        benchmark::DoNotOptimize(form.picture().pixel(60, 60));
    }
}
BENCHMARK(AnalogClockTick)->Unit(benchmark::kMicrosecond);

// The clock's own part of the tick: the face copy and the three hands, without the repaint.
void AnalogClockTickWithoutRepaint(benchmark::State& state) {
    Sidebar sidebar;
    TForm1& form = *Form1;
    int n = 0;
    for (auto _ : state) {
        sidebar.nextSecond(n += 61);
        form.Timer4Timer();
        benchmark::DoNotOptimize(form.Image2.picture().pixel(40, 40));
    }
    form.update();
}
BENCHMARK(AnalogClockTickWithoutRepaint)->Unit(benchmark::kMicrosecond);

void CalendarTextTick(benchmark::State& state) {
    Sidebar sidebar;
    TForm1& form = *Form1;
    int n = 0;
    for (auto _ : state) {
        sidebar.nextSecond(n += 3661);
        form.Timer2Timer();
        form.update();
        benchmark::DoNotOptimize(form.picture().pixel(60, 530));
    }
}
BENCHMARK(CalendarTextTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brivane
