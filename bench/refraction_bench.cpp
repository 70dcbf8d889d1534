#include "models/refraction/light_speed_window.h"
#include "models/refraction/refraction_sheet.h"

#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {

// One full redraw of the law-of-refraction sheet into its own canvas, with
// the light-speed window filled, for a ray that refracts and one that is
// totally reflected.
void RefractionRedraw(benchmark::State& state)
{
    TForm12 speeds;
    RefractionSheet sheet;
    const SideWindowMap sideWindows{{"TForm12", &speeds}};
    sheet.AttachSideWindows(sideWindows);
    sheet.findChild<QScrollBar*>("sScrollBar7")->setValue(int(state.range(0)));
    for (auto _ : state)
        sheet.sTrackBar9Change();
}
BENCHMARK(RefractionRedraw)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

} // namespace
