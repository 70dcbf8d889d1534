// SPDX-License-Identifier: GPL-3.0-or-later
// The step a pupil sees, per model: a control moved by one position and the
// model's picture redrawn and repainted on the screen. Google Benchmark
// times a model dragged to and fro once warmed up, and the start-up after
// the splash; then every control of a freshly made sheet is swept once
// through its range, nothing warmed up, and each step's CPU time gives the
// lines `step MODEL MEDIAN_US P95_US` at the end.

#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/program_windows.h"
#include "app/startup.h"
#include "ui/model_sheet.h"
#include "ui/rx_label.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

struct BenchedModel {
    QString name;      // as the probe spells it, and "lens-schematic"
    QString model;     // the model's own name in the catalogue
    const char* setUp; // a radio button to check first, or nullptr
};

// The models, the lens in both of its figures (the outline is its default).
std::vector<BenchedModel> benchedModels()
{
    std::vector<BenchedModel> models;
    for (const ModelEntry& entry : ModelCatalogue()) {
        if (entry.name == QLatin1String("lens")) {
            models.push_back({entry.name, entry.name, "sRadioButton13"});
            models.push_back({QStringLiteral("lens-schematic"), entry.name, "sRadioButton12"});
        } else {
            models.push_back({entry.name, entry.name, nullptr});
        }
    }
    return models;
}

// The program's windows made afresh, the model's sheet shown in the main
// window and set up as the benched variant asks.
struct ShownModel {
    explicit ShownModel(const BenchedModel& benched)
    {
        windows.CreateAll();
        sheet = windows.form1->modelSheet(FindModel(benched.model)->sheet);
        windows.form1->show();
        windows.form1->ShowModelSheet(sheet);
        if (benched.setUp)
            sheet->findChild<QRadioButton*>(benched.setUp)->setChecked(true);
        QApplication::processEvents();
    }

    // One step: the change, its redraw, and the repaint it asks for.
    void step(const std::function<void()>& change) const
    {
        change();
        sheet->modelCanvas()->repaint();
    }

    ProgramWindows windows;
    ModelSheet* sheet = nullptr;
};

// Drags the sheet's first slider one position further, to its end and back
// again, as a pupil does.
void ShownRedraw(benchmark::State& state, BenchedModel benched)
{
    const ShownModel shown(benched);
    auto* slider = shown.sheet->findChild<QAbstractSlider*>();
    int direction = 1;
    for (auto _ : state) {
        shown.step([&] {
            if (slider->value() + direction > slider->maximum() || slider->value() + direction < slider->minimum())
                direction = -direction;
            slider->setValue(slider->value() + direction);
        });
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

double threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

// Every control of a fresh sheet once: each slider from its minimum to its
// maximum, each radio button checked (but the variant's own), each check
// box on and off. The CPU time of every step, in microseconds.
std::vector<double> sweepSteps(const BenchedModel& benched)
{
    const ShownModel shown(benched);
    std::vector<double> steps;
    const auto timed = [&](const std::function<void()>& change) {
        const double start = threadCpuMicroseconds();
        shown.step(change);
        steps.push_back(threadCpuMicroseconds() - start);
    };
    for (QAbstractSlider* slider : shown.sheet->findChildren<QAbstractSlider*>()) {
        for (int value = slider->minimum(); value <= slider->maximum(); ++value)
            timed([slider, value] { slider->setValue(value); });
    }
    const bool lens = benched.model == QLatin1String("lens");
    for (QRadioButton* radio : shown.sheet->findChildren<QRadioButton*>()) {
        const bool figure = radio->objectName() == QLatin1String("sRadioButton12")
                            || radio->objectName() == QLatin1String("sRadioButton13");
        if (!(lens && figure))
            timed([radio] { radio->setChecked(true); });
    }
    for (QCheckBox* check : shown.sheet->findChildren<QCheckBox*>()) {
        timed([check] { check->toggle(); });
        timed([check] { check->toggle(); });
    }
    return steps;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    PrepareApplication(application);

    const std::vector<BenchedModel> models = benchedModels();
    // The sweeps come before the benchmarks that warm everything up.
    std::vector<std::vector<double>> sweeps;
    for (const BenchedModel& model : models)
        sweeps.push_back(sweepSteps(model));

    for (const BenchedModel& model : models) {
        benchmark::RegisterBenchmark(("shown/" + model.name.toStdString()).c_str(), ShownRedraw, model)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("startup/create-all-windows", CreateAllWindows)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(5);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (size_t i = 0; i < models.size(); ++i) {
        std::printf("step %s %.0f %.0f\n", models[i].name.toStdString().c_str(), percentile(sweeps[i], 0.5),
                    percentile(sweeps[i], 0.95));
    }
    return 0;
}
