// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/program_windows.h"
#include "app/startup.h"
#include "ui/error_box.h"
#include "ui/model_sheet.h"
#include "ui/readout_text.h"
#include "ui/rx_label.h"
#include "program_under_test.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

// Test names and failure messages name the model.
static void PrintTo(const ModelEntry& entry, std::ostream* os)
{
    *os << entry.name.toStdString();
}

namespace {

// One thing a pupil sets: a track bar or scroll bar, the radio buttons of one
// group, or a check box.
struct Control {
    QAbstractSlider* slider = nullptr;
    QList<QRadioButton*> radios;
    QCheckBox* check = nullptr;

    QString name() const
    {
        if (slider)
            return slider->objectName();
        if (check)
            return check->objectName();
        QStringList names;
        for (const QRadioButton* radio : radios)
            names << radio->objectName();
        return names.join(QLatin1Char('|'));
    }

    // Whether a pupil can reach it now: a redraw may disable or hide a control.
    bool usable(const QWidget* sheet) const
    {
        const QWidget* widget = slider ? static_cast<const QWidget*>(slider)
                                : check ? static_cast<const QWidget*>(check)
                                        : radios.first();
        return widget->isEnabled() && widget->isVisibleTo(sheet);
    }

    // Sets the control through itself, so that its change events fire. A
    // slider's `fraction` of its range is taken at the moment of setting,
    // since a redraw may have moved its ends.
    void set(double fraction) const
    {
        if (slider) {
            slider->setValue(slider->minimum() + qRound(fraction * (slider->maximum() - slider->minimum())));
        } else if (check) {
            check->setChecked(fraction >= 0.5);
        } else {
            const int i = std::min(int(fraction * radios.size()), int(radios.size()) - 1);
            radios[i]->setChecked(true);
        }
    }

    QString state() const
    {
        if (slider)
            return QString::number(slider->value());
        if (check)
            return QString::number(check->isChecked());
        for (const QRadioButton* radio : radios) {
            if (radio->isChecked())
                return radio->objectName();
        }
        return QStringLiteral("none");
    }
};

// The controls of a sheet, found by kind, so that a new model joins the
// sweep without a word here.
QList<Control> ControlsOf(ModelSheet* sheet)
{
    QList<Control> controls;
    for (QAbstractSlider* slider : sheet->findChildren<QAbstractSlider*>()) {
        // Only the sheet's own bars: not the scroll bars inside a scrolling widget.
        if (!slider->objectName().isEmpty() && !slider->objectName().startsWith(QLatin1String("qt_")))
            controls.append(Control{slider, {}, nullptr});
    }
    std::map<const QObject*, QList<QRadioButton*>> groups;
    for (QRadioButton* radio : sheet->findChildren<QRadioButton*>()) {
        const QObject* group = radio->group() ? static_cast<const QObject*>(radio->group()) : radio->parent();
        groups[group].append(radio);
    }
    for (const auto& group : groups)
        controls.append(Control{nullptr, group.second, nullptr});
    for (QCheckBox* check : sheet->findChildren<QCheckBox*>())
        controls.append(Control{nullptr, {}, check});
    return controls;
}

// Every setting of a model, checked as a teacher would read the sheet.
class ModelSweep {
public:
    ModelSweep(const ModelEntry& entry, ModelSheet* sheet)
        : entry_(entry), sheet_(sheet), controls_(ControlsOf(sheet))
    {
        // No setting of a control may raise an error box.
        SetErrorSink([this](const QString& text) { report("error box \"" + text + '"'); });
    }
    ~ModelSweep()
    {
        SetErrorSink(nullptr);
        if (faults_ > kFaultsShown)
            ADD_FAILURE() << entry_.name.toStdString() << ": " << faults_ - kFaultsShown << " more faults";
    }

    int controlCount() const { return int(controls_.size()); }

    // Each pair of controls through its ends and three points between.
    void pairs()
    {
        static const double kFractions[] = {0, 0.25, 0.5, 0.75, 1};
        for (int a = 0; a < controls_.size(); ++a) {
            for (int b = a + 1; b < controls_.size(); ++b) {
                for (double fa : kFractions) {
                    for (double fb : kFractions) {
                        set(controls_[a], fa);
                        set(controls_[b], fb);
                        refreshAndCheck();
                    }
                }
            }
        }
    }

    // Settings drawn at random, every control in a random order.
    void random(int count)
    {
        QRandomGenerator generator(qHash(entry_.name));
        for (int n = 0; n < count; ++n) {
            QList<int> order(controls_.size());
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), generator);
            for (int i : order)
                set(controls_[i], generator.generateDouble());
            refreshAndCheck();
        }
    }

private:
    void set(const Control& control, double fraction)
    {
        if (!control.usable(sheet_))
            return;
        guarded([&] { control.set(fraction); }, "setting " + control.name());
    }

    void refreshAndCheck()
    {
        guarded([this] { sheet_->refreshButton()->click(); }, QStringLiteral("the refresh button"));
        // The picture is drawn when it is looked at: look, as the screen does.
        sheet_->modelCanvas()->Canvas().Image();
        static const QRegularExpression notANumber(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
        for (const QWidget* readout : sheet_->readouts()) {
            const auto text = ReadoutText(readout);
            if (text && text->contains(notANumber))
                report(readout->objectName() + " shows \"" + *text + '"');
        }
    }

    template <typename Action>
    void guarded(Action action, const QString& what)
    {
        try {
            action();
        } catch (const std::exception& error) {
            report(QString::fromLocal8Bit(error.what()) + " escaped " + what);
        } catch (...) {
            report("an exception escaped " + what);
        }
    }

    // A fault with the settings that led to it; the first few are enough to go on.
    void report(const QString& fault)
    {
        if (++faults_ <= kFaultsShown)
            ADD_FAILURE() << entry_.name.toStdString() << ": " << fault.toStdString() << " at " << settings().toStdString();
    }

    QString settings() const
    {
        QStringList parts;
        for (const Control& control : controls_)
            parts << control.name() + QLatin1Char('=') + control.state();
        return parts.join(QLatin1Char(' '));
    }

    static constexpr int kFaultsShown = 10;

    const ModelEntry& entry_;
    ModelSheet* sheet_;
    QList<Control> controls_;
    int faults_ = 0;
};

class ModelSweepTest : public ::testing::TestWithParam<ModelEntry> {
protected:
    static void SetUpTestSuite()
    {
        windows = CreateProgramWindows().release();
    }
    static void TearDownTestSuite()
    {
        delete windows;
        windows = nullptr;
    }

    static ProgramWindows* windows;
};

ProgramWindows* ModelSweepTest::windows = nullptr;

TEST_P(ModelSweepTest, NoSettingShowsANonNumberOrAnErrorBox)
{
    ModelSheet* sheet = windows->form1->modelSheet(GetParam().sheet);
    if (!sheet)
        GTEST_SKIP() << "the model is not built yet";
    ModelSweep sweep(GetParam(), sheet);
    ASSERT_GT(sweep.controlCount(), 0);
    sweep.pairs();
    sweep.random(300);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ModelSweepTest, ::testing::ValuesIn(ModelCatalogue()),
                         [](const ::testing::TestParamInfo<ModelEntry>& info) { return info.param.name.toStdString(); });

} // namespace
