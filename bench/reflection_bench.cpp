#include "models/reflection/reflection_sheet.h"

#include <benchmark/benchmark.h>

namespace {

// One full redraw of the law-of-reflection sheet into its own canvas.
void ReflectionRedraw(benchmark::State& state)
{
    ReflectionSheet sheet;
    for (auto _ : state)
        sheet.sTrackBar7Change();
}
BENCHMARK(ReflectionRedraw)->Unit(benchmark::kMicrosecond);

} // namespace
