#include "models/refraction/prism_sheet.h"
#include "ui/rx_label.h"

#include <QScrollBar>
#include <QSlider>
#include <benchmark/benchmark.h>

namespace {

// One full redraw of the prism sheet into its own canvas: the ray that leaves
// by the right face (0), the one reflected inside (1) and the one that misses (2).
void PrismRedraw(benchmark::State& state)
{
    PrismSheet sheet;
    const int settings[3][3] = {{13, 45, 133}, {2, 25, 300}, {45, 45, 133}};
    const int* s = settings[state.range(0)];
    sheet.findChild<QSlider*>("sTrackBar12")->setValue(s[0]);
    sheet.findChild<QSlider*>("sTrackBar13")->setValue(s[1]);
    sheet.findChild<QScrollBar*>("sScrollBar6")->setValue(s[2]);
    for (auto _ : state)
        sheet.sTrackBar12Change();
}
BENCHMARK(PrismRedraw)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The bare clear of the same canvas, what every redraw starts with.
void PrismCanvasClear(benchmark::State& state)
{
    PrismSheet sheet;
    for (auto _ : state)
        sheet.modelCanvas()->Canvas().Refresh();
}
BENCHMARK(PrismCanvasClear)->Unit(benchmark::kMicrosecond);

} // namespace
