#include "models/refraction/plate_sheet.h"
#include "ui/rx_label.h"

#include <QSlider>
#include <benchmark/benchmark.h>

namespace {

// One full redraw of the plane-parallel plate sheet into its own canvas, at
// the defaults (0) and with the exit point far off the canvas (1).
void PlateRedraw(benchmark::State& state)
{
    PlateSheet sheet;
    if (state.range(0) == 1) {
        sheet.findChild<QSlider*>("sTrackBar10")->setValue(89);
        sheet.findChild<QSlider*>("sTrackBar11")->setValue(200);
    }
    for (auto _ : state)
        sheet.sTrackBar10Change();
}
BENCHMARK(PlateRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The bare clear of the same canvas, the floor under every redraw.
void PlateCanvasClear(benchmark::State& state)
{
    PlateSheet sheet;
    for (auto _ : state)
        sheet.modelCanvas()->Canvas().Refresh();
}
BENCHMARK(PlateCanvasClear)->Unit(benchmark::kMicrosecond);

} // namespace
