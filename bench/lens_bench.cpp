#include "models/lens/lens_sheet.h"

#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

// One full redraw of the lens sheet into its own canvas, for the converging
// (0) and the diverging (1) lens.
void LensRedraw(benchmark::State& state)
{
    LensSheet sheet;
    if (state.range(0) == 1)
        sheet.findChild<QRadioButton*>("sRadioButton9")->setChecked(true);
    for (auto _ : state)
        sheet.sTrackBar14Change();
}
BENCHMARK(LensRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
