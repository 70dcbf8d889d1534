#include "models/reflection/plane_mirror_sheet.h"
#include "ui/rx_label.h"

#include <QCheckBox>
#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

// One full redraw of the plane-mirror sheet into its own canvas: the point
// with no extra rays (0), the arrow with the ruler and both extra rays (1).
void PlaneMirrorRedraw(benchmark::State& state)
{
    PlaneMirrorSheet sheet;
    if (state.range(0) == 1) {
        sheet.findChild<QRadioButton*>("sRadioButton6")->setChecked(true);
        sheet.findChild<QRadioButton*>("sRadioButton8")->setChecked(true);
        sheet.findChild<QCheckBox*>("sCheckBox1")->setChecked(true);
    }
    for (auto _ : state)
        sheet.sTrackBar8Change();
}
BENCHMARK(PlaneMirrorRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The bare clear of the same canvas, the floor under every redraw.
void PlaneMirrorClear(benchmark::State& state)
{
    PlaneMirrorSheet sheet;
    Canvas& canvas = sheet.modelCanvas()->Canvas();
    for (auto _ : state)
        canvas.Refresh();
}
BENCHMARK(PlaneMirrorClear)->Unit(benchmark::kMicrosecond);

} // namespace
