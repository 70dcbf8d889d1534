// Each model's redraw as a pupil drives it, a control moving between two
// positions, beside a bare clear of a canvas of the same size; then the same
// redraw with the sheet on the screen, its repaint included; and the start-up
// after the splash. The last lines give, per model, the redraw's CPU time
// over the clear's.

#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/program_windows.h"
#include "app/startup.h"
#include "kit/image_canvas.h"
#include "ui/model_sheet.h"
#include "ui/rx_label.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QRadioButton>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace {

struct BenchedModel {
    QString name;   // as the probe spells it
    ModelSheet* sheet;
    const char* setUp; // a radio button to check first, or nullptr
};

// Moves the sheet's first slider between two neighbouring positions; the
// control's change event redraws the model.
void nudge(ModelSheet* sheet, bool odd)
{
    auto* slider = sheet->findChild<QAbstractSlider*>();
    const int base = slider->minimum() + (slider->maximum() - slider->minimum()) / 2;
    slider->setValue(base + (odd ? 1 : 0));
}

void prepare(const BenchedModel& model)
{
    if (model.setUp)
        model.sheet->findChild<QRadioButton*>(model.setUp)->setChecked(true);
}

void Redraw(benchmark::State& state, BenchedModel model)
{
    prepare(model);
    ImageCanvas& canvas = model.sheet->modelCanvas()->Canvas();
    bool odd = false;
    for (auto _ : state) {
        nudge(model.sheet, odd = !odd);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

void Clear(benchmark::State& state, BenchedModel model)
{
    const ImageCanvas& shown = model.sheet->modelCanvas()->Canvas();
    ImageCanvas canvas(QSize(shown.Width(), shown.Height()));
    for (auto _ : state) {
        canvas.Refresh();
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

void ShownRedraw(benchmark::State& state, BenchedModel model, TForm1* mainWindow)
{
    prepare(model);
    mainWindow->show();
    mainWindow->ShowModelSheet(model.sheet);
    QApplication::processEvents();
    TRxLabel* label = model.sheet->modelCanvas();
    bool odd = false;
    for (auto _ : state) {
        nudge(model.sheet, odd = !odd);
        label->repaint();
    }
}

// Start-up after the splash: every window of the program created, documents
// and pictures read.
void CreateAllWindows(benchmark::State& state)
{
    for (auto _ : state) {
        ProgramWindows windows;
        windows.CreateAll();
        benchmark::DoNotOptimize(windows.form1.get());
    }
}

// Keeps the CPU time of every run, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            cpu[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> cpu;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PrepareApplication(application);
    ProgramWindows windows;
    windows.CreateAll();

    std::vector<BenchedModel> models;
    for (const ModelEntry& entry : ModelCatalogue()) {
        if (ModelSheet* sheet = windows.form1->modelSheet(entry.sheet))
            models.push_back({entry.name, sheet, nullptr});
    }
    // The lens in both of its figures; the outline is drawn by default.
    for (size_t i = 0; i < models.size(); ++i) {
        if (models[i].name == QLatin1String("lens")) {
            models.insert(models.begin() + long(i) + 1, {QStringLiteral("lens-schematic"), models[i].sheet, "sRadioButton12"});
            models[i].setUp = "sRadioButton13";
            break;
        }
    }
    for (const BenchedModel& model : models) {
        const std::string name = model.name.toStdString();
        benchmark::RegisterBenchmark(("redraw/" + name).c_str(), Redraw, model)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("clear/" + name).c_str(), Clear, model)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("shown/" + name).c_str(), ShownRedraw, model, windows.form1.get())
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::RegisterBenchmark("startup/create-all-windows", CreateAllWindows)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    for (const BenchedModel& model : models) {
        const std::string name = model.name.toStdString();
        if (reporter.cpu.count("redraw/" + name) && reporter.cpu.count("clear/" + name))
            std::printf("ratio %s %.1f\n", name.c_str(), reporter.cpu["redraw/" + name] / reporter.cpu["clear/" + name]);
    }
    return 0;
}
