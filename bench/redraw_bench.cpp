// Each model's redraw as a pupil drives it, a control dragged through its
// range, beside a bare clear of a canvas of the same size; then the same
// redraw with the sheet on the screen, its repaint included; the redraw of a
// model left as it is; and the start-up after the splash. The last lines
// give, per model, the CPU time of a dragged and of a refreshed redraw over
// that of the clear, each the median of five runs.

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
#include <vector>

namespace {

struct BenchedModel {
    QString name;   // as the probe spells it
    ModelSheet* sheet;
    const char* setUp; // a radio button to check first, or nullptr
};

// Drags the sheet's first slider one position further, to its end and back
// again, as a pupil does; the control's change event redraws the model.
void drag(ModelSheet* sheet, int& direction)
{
    auto* slider = sheet->findChild<QAbstractSlider*>();
    if (slider->value() + direction > slider->maximum() || slider->value() + direction < slider->minimum())
        direction = -direction;
    slider->setValue(slider->value() + direction);
}

// Sets the model up with no window on the screen: the redraw alone is
// measured, whatever variant shown on the screen ran before.
void prepare(const BenchedModel& model)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QApplication::processEvents();
    if (model.setUp)
        model.sheet->findChild<QRadioButton*>(model.setUp)->setChecked(true);
}

void Redraw(benchmark::State& state, BenchedModel model)
{
    prepare(model);
    ImageCanvas& canvas = model.sheet->modelCanvas()->Canvas();
    int direction = 1;
    for (auto _ : state) {
        drag(model.sheet, direction);
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
}

// The redraw of a model whose controls stand still, as the refresh button asks.
void Refresh(benchmark::State& state, BenchedModel model)
{
    prepare(model);
    ImageCanvas& canvas = model.sheet->modelCanvas()->Canvas();
    for (auto _ : state) {
        model.sheet->refreshButton()->click();
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
    int direction = 1;
    for (auto _ : state) {
        drag(model.sheet, direction);
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

// Keeps the CPU time of every benchmark, the median of its repetitions where
// it has several, for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration ? run.repetitions <= 1 : run.aggregate_name == "median")
                cpu[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
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
    // The machine's own noise moves a single measurement by a tenth or more:
    // the redraws and clears behind the ratios are each measured five times
    // and their medians taken.
    constexpr int kRepetitions = 5;
    for (const BenchedModel& model : models) {
        const std::string name = model.name.toStdString();
        using Measured = void (*)(benchmark::State&, BenchedModel);
        const std::pair<std::string, Measured> measured[] = {
            {"redraw/", Redraw}, {"refresh/", Refresh}, {"clear/", Clear}};
        for (const auto& [kind, function] : measured) {
            benchmark::RegisterBenchmark((kind + name).c_str(), function, model)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(kRepetitions)
                ->ReportAggregatesOnly(true);
        }
        benchmark::RegisterBenchmark(("shown/" + name).c_str(), ShownRedraw, model, windows.form1.get())
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::RegisterBenchmark("startup/create-all-windows", CreateAllWindows)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);

    // Repetitions in a shuffled order, so that a redraw and the clear it is
    // set against are measured through the same spells of a busy machine.
    std::vector<char*> arguments(argv, argv + argc);
    char interleaved[] = "--benchmark_enable_random_interleaving=true";
    arguments.insert(arguments.begin() + 1, interleaved);
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    // A model dragged, then a model refreshed, against a bare clear.
    for (const char* kind : {"ratio", "refresh-ratio"}) {
        const std::string measured = kind == std::string("ratio") ? "redraw/" : "refresh/";
        for (const BenchedModel& model : models) {
            const std::string name = model.name.toStdString();
            if (reporter.cpu.count(measured + name) && reporter.cpu.count("clear/" + name))
                std::printf("%s %s %.1f\n", kind, name.c_str(), reporter.cpu[measured + name] / reporter.cpu["clear/" + name]);
        }
    }
    return 0;
}
