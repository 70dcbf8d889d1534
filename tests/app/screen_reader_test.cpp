// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/program_windows.h"
#include "ui/error_box.h"
#include "ui/model_sheet.h"
#include "ui/readout_text.h"
#include "ui/vr_led_clock.h"
#include "ui/vr_scroll_text.h"
#include "program_under_test.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace {

class ScreenReaderTest : public ProgramTest {
protected:
    static ModelSheet* show(const ModelEntry& model)
    {
        TForm1* main = windows->form1.get();
        main->show();
        ModelSheet* sheet = main->modelSheet(model.sheet);
        main->ShowModelSheet(sheet);
        QApplication::processEvents();
        return sheet;
    }
    static QAccessibleInterface* reader(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); }
};

bool IsReadout(const QWidget* widget)
{
    return ReadoutText(widget) || qobject_cast<const TVrLedClock*>(widget) || qobject_cast<const TVrScrollText*>(widget);
}

// Every element under a window, as a screen reader walks to it.
void Walk(QAccessibleInterface* element, std::set<QWidget*>& reached)
{
    if (auto* widget = qobject_cast<QWidget*>(element->object()))
        reached.insert(widget);
    for (int i = 0; i < element->childCount(); ++i) {
        if (QAccessibleInterface* child = element->child(i))
            Walk(child, reached);
    }
}

// Each window, and the main one with each model in turn: every track bar and
// scroll bar takes the focus; walking its accessibility tree reaches every
// control and readout shown; each element that takes the focus and each
// readout has a name, each readout a value.
TEST_F(ScreenReaderTest, EveryControlAndReadoutOfEveryWindowHasANameAndEveryReadoutAValue)
{
    const auto check = [](QWidget* window, const std::string& what) {
        std::set<QWidget*> reached;
        Walk(reader(window), reached);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            const bool focusable = widget->focusPolicy() & Qt::TabFocus;
            // A text view's own scroll bars move with its keys; every other one takes the focus.
            if (qobject_cast<QAbstractSlider*>(widget) && !qobject_cast<QAbstractScrollArea*>(widget->parentWidget()->parentWidget())) {
                EXPECT_TRUE(focusable) << what << " " << widget->objectName().toStdString() << " never takes the focus";
            }
            if (!focusable && !IsReadout(widget))
                continue;
            const std::string name = what + " " + widget->objectName().toStdString();
            EXPECT_TRUE(reached.count(widget)) << name << " is not in the tree";
            EXPECT_FALSE(reader(widget)->text(QAccessible::Name).isEmpty()) << name << " has no name";
            if (IsReadout(widget)) {
                EXPECT_EQ(reader(widget)->role(), QAccessible::StaticText) << name;
                EXPECT_FALSE(reader(widget)->text(QAccessible::Value).isEmpty()) << name << " has no value";
            }
        }
    };
    for (const ModelEntry& model : ModelCatalogue()) {
        ModelSheet* sheet = show(model);
        check(windows->form1.get(), model.name.toStdString());
        for (QWidget* readout : sheet->readouts()) {
            if (readout->isVisible() && readout->window() == windows->form1.get()) {
                EXPECT_FALSE(reader(readout)->text(QAccessible::Name).isEmpty())
                    << model.name.toStdString() << " " << readout->objectName().toStdString() << " has no name";
            }
        }
    }
    for (QWidget* window : windows->all()) {
        if (window == windows->form1.get())
            continue;
        window->show();
        QApplication::processEvents();
        check(window, window->objectName().toStdString());
        window->hide();
    }
}

struct Heard {
    const char* model;
    const char* readout;
    const char* name;
    const char* value;
};

void PrintTo(const Heard& heard, std::ostream* os)
{
    *os << heard.model << " " << heard.readout;
}

class ReadoutHeard : public ScreenReaderTest, public ::testing::WithParamInterface<Heard> {};

// What a reader hears of a readout at the model's start: its caption, and
// what it shows with its unit, the number as the panel writes it.
TEST_P(ReadoutHeard, NameIsTheCaptionAndValueTheNumberWithItsUnit)
{
    const Heard& heard = GetParam();
    const auto model = std::find_if(ModelCatalogue().begin(), ModelCatalogue().end(),
                                    [&](const ModelEntry& entry) { return entry.name == heard.model; });
    ModelSheet* sheet = show(*model);
    auto* readout = sheet->findChild<QWidget*>(heard.readout);
    ASSERT_NE(readout, nullptr);
    EXPECT_EQ(reader(readout)->text(QAccessible::Name).toStdString(), heard.name);
    EXPECT_EQ(reader(readout)->text(QAccessible::Value).toStdString(), heard.value);
    EXPECT_EQ(reader(readout)->text(QAccessible::Description).toStdString(), heard.value);
}

INSTANTIATE_TEST_SUITE_P(Readouts, ReadoutHeard,
                         ::testing::Values(Heard{"reflection", "VrNum29", "Угол падения", "55 °"},
                                           Heard{"lens", "VrMatrix30", "Расстояние до изображения f", "382,121212121212 см"},
                                           Heard{"lens", "VrMatrix29", "Оптическая сила D", "1,0309 дптр"},
                                           Heard{"refraction", "VrMatrix5", "Относительный показатель преломления n2/n1", "1,99"},
                                           Heard{"plate", "VrMatrix7", "Толщина пластинки в миллиметрах", "51 мм"},
                                           Heard{"shadow1", "VrJogMeter1", "Шкала положения экрана", "800 см"}));

} // namespace
