#include "models/shadow/one_source_sheet.h"
#include "models/shadow/shadow_screen_window.h"
#include "models/shadow/two_source_screen_window.h"
#include "models/shadow/two_source_sheet.h"
#include "ui/rx_label.h"

#include <QRadioButton>
#include <benchmark/benchmark.h>

namespace {

// One full redraw of the one-source sheet with its auxiliary screen, for the
// extended (0) and the point source (1).
void OneSourceShadowRedraw(benchmark::State& state)
{
    TForm2 screen;
    OneSourceShadowSheet sheet;
    const SideWindowMap sideWindows{{"TForm2", &screen}};
    sheet.AttachSideWindows(sideWindows);
    if (state.range(0) == 1)
        sheet.findChild<QRadioButton*>("sRadioButton1")->setChecked(true);
    for (auto _ : state)
        sheet.sTrackBar1Change();
}
BENCHMARK(OneSourceShadowRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One full redraw of the two-source sheet with its auxiliary screen.
void TwoSourceShadowRedraw(benchmark::State& state)
{
    TForm3 screen;
    TwoSourceShadowSheet sheet;
    const SideWindowMap sideWindows{{"TForm3", &screen}};
    sheet.AttachSideWindows(sideWindows);
    for (auto _ : state)
        sheet.sTrackBar3Change();
}
BENCHMARK(TwoSourceShadowRedraw)->Unit(benchmark::kMicrosecond);

// What a redraw costs at the least: the bare clear of the model canvas and
// of the auxiliary screen.
void ShadowCanvasesClear(benchmark::State& state)
{
    TForm2 screen;
    OneSourceShadowSheet sheet;
    for (auto _ : state) {
        sheet.modelCanvas()->Canvas().Refresh();
        screen.screenLabel()->Canvas().Refresh();
    }
}
BENCHMARK(ShadowCanvasesClear)->Unit(benchmark::kMicrosecond);

} // namespace
