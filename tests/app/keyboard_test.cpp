// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/model_chooser.h"
#include "app/program_windows.h"
#include "learning/help_window.h"
#include "ui/error_box.h"
#include "ui/model_sheet.h"
#include "ui/readout_text.h"
#include "ui/rx_label.h"
#include "program_under_test.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <map>
#include <set>

static void PrintTo(const ModelEntry& entry, std::ostream* os)
{
    *os << entry.name.toStdString();
}

namespace {

class KeyboardTest : public ProgramTest {
protected:
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // As the window system does: the key goes to the focus in a window
        // that is shown, else to the main window.
        QWidget* target = QApplication::focusWidget();
        if (!target || !target->isVisible())
            target = mainWindow();
        QTest::keyClick(target, Qt::Key(key), modifiers);
        QApplication::processEvents();
    }

    static TForm1* mainWindow() { return windows->form1.get(); }
};

// What a pupil sees of a model: its readouts and its last redraw.
struct Seen {
    QStringList readouts;
    QStringList picture;

    bool operator==(const Seen& other) const { return readouts == other.readouts && picture == other.picture; }
};

class ModelByKeyboard : public KeyboardTest, public ::testing::WithParamInterface<ModelEntry> {
protected:
    Seen seen() const
    {
        Seen s;
        for (const QWidget* readout : sheet->readouts())
            s.readouts << ReadoutText(readout).value_or(QString());
        for (const CanvasOp& op : ops)
            s.picture << op.toString();
        return s;
    }

    ModelSheet* sheet = nullptr;
    std::vector<CanvasOp> ops;
};

// From the model's first control, Tab reaches every control of the sheet in
// turn; on each, the keys a pupil uses move it and change what the model
// shows: arrows, Page Up and Page Down, Home and End on a track bar or a
// scroll bar, an arrow within a group of radio buttons, Space on a check box.
TEST_P(ModelByKeyboard, TabReachesEveryControlAndItsKeysMoveTheModel)
{
    mainWindow()->show();
    QApplication::setActiveWindow(mainWindow());
    int number = 1;
    while (ModelCatalogue()[number - 1].name != GetParam().name)
        ++number;
    press(Qt::Key_0 + number, Qt::ControlModifier);
    sheet = mainWindow()->modelSheet(GetParam().sheet);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(sheet->isVisible()) << "Ctrl+number did not show the model";
    sheet->modelCanvas()->Canvas().SetLog(&ops);

    // The stops of the Tab key: each track bar, scroll bar and check box,
    // and each group of radio buttons, which Tab enters at its checked one.
    const auto stopOf = [](QWidget* control) -> QObject* {
        if (qobject_cast<QRadioButton*>(control))
            return control->parent();
        if (qobject_cast<QAbstractSlider*>(control) || qobject_cast<QCheckBox*>(control))
            return control;
        return nullptr;
    };
    std::map<QObject*, QString> stops;
    for (QWidget* control : sheet->findChildren<QWidget*>()) {
        if (QObject* stop = stopOf(control); stop && control->isEnabled())
            stops[stop] = control->objectName(); // greyed by the model, as the ruler without its arrow, they are no stop
    }
    // The first control in the reading order of the sheet.
    QWidget* first = sheet->nextInFocusChain();
    while (!(first->focusPolicy() & Qt::TabFocus) || !first->isVisible() || !first->isEnabled())
        first = first->nextInFocusChain();
    first->setFocus(Qt::TabFocusReason);
    std::set<QObject*> reached, moved;
    for (int tab = 0; tab < 80 && reached.size() < stops.size(); ++tab) {
        QWidget* focused = QApplication::focusWidget();
        QObject* stop = stopOf(focused);
        if (stop && reached.insert(stop).second) {
            std::vector<int> keys;
            if (auto* slider = qobject_cast<QAbstractSlider*>(focused)) {
                keys = {Qt::Key_End, Qt::Key_Home, Qt::Key_PageUp, Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Left};
                slider->setValue((slider->minimum() + slider->maximum()) / 2);
            } else if (qobject_cast<QCheckBox*>(focused)) {
                keys = {Qt::Key_Space, Qt::Key_Space};
            } else {
                keys = {Qt::Key_Down, Qt::Key_Up};
            }
            QRadioButton* wasChecked = nullptr;
            for (QRadioButton* radio : stop->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
                if (radio->isChecked())
                    wasChecked = radio;
            }
            for (int key : keys) {
                const Seen before = seen();
                auto* slider = qobject_cast<QAbstractSlider*>(focused);
                const int was = slider ? slider->value() : 0;
                press(key);
                if (!(seen() == before))
                    moved.insert(stop);
                if (slider) {
                    // End and Home reach the ends; right and Page Up raise the value, left and Page Down lower it.
                    const int now = slider->value();
                    const int expected = key == Qt::Key_End    ? slider->maximum()
                                         : key == Qt::Key_Home ? slider->minimum()
                                         : key == Qt::Key_Right ? was + slider->singleStep()
                                         : key == Qt::Key_Left  ? was - slider->singleStep()
                                                                : now;
                    EXPECT_EQ(now, expected) << stops[stop].toStdString() << " key " << key;
                    if (key == Qt::Key_PageUp) {
                        EXPECT_GT(now, was) << stops[stop].toStdString() << " Page Up";
                    }
                    if (key == Qt::Key_PageDown) {
                        EXPECT_LT(now, was) << stops[stop].toStdString() << " Page Down";
                    }
                }
                EXPECT_EQ(stopOf(QApplication::focusWidget()), stop)
                    << "a key took the focus away from " << stops[stop].toStdString();
            }
            // Tab may enter a group at a button other than the checked one;
            // the arrows bring the model back to its setting for the controls after.
            for (int step = 0; wasChecked && !wasChecked->isChecked() && step < 8; ++step)
                press(Qt::Key_Down);
        }
        press(Qt::Key_Tab);
    }
    sheet->modelCanvas()->Canvas().SetLog(nullptr);
    for (const auto& [stop, name] : stops) {
        EXPECT_TRUE(reached.count(stop)) << name.toStdString() << " never took the focus";
        EXPECT_TRUE(moved.count(stop)) << name.toStdString() << " moved nothing by its keys";
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ModelByKeyboard, ::testing::ValuesIn(ModelCatalogue()),
                         [](const ::testing::TestParamInfo<ModelEntry>& info) { return info.param.name.toStdString(); });

// The model's tab shows one model; the tab bar's keys never step on to one
// of the hidden ones.
TEST_F(KeyboardTest, TabBarKeysKeepTheModelShown)
{
    mainWindow()->show();
    QApplication::setActiveWindow(mainWindow());
    press(Qt::Key_1, Qt::ControlModifier);
    auto* host = mainWindow()->findChild<QTabWidget*>("sPageControl1");
    const int shown = host->currentIndex();
    for (int key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Right, Qt::Key_End}) {
        QTest::keyClick(host->tabBar(), Qt::Key(key));
        EXPECT_EQ(host->currentIndex(), shown);
    }
    QTest::keyClick(host->currentWidget(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(host->currentIndex(), shown);
}

// F2 and Ctrl+0 show the chooser, F1 the help on the controls, Esc closes a
// secondary window; in the chooser the focused button shows its model.
TEST_F(KeyboardTest, KeysOpenTheChooserAndTheHelpAndEscCloses)
{
    mainWindow()->show();
    QApplication::setActiveWindow(mainWindow());
    for (int key : {int(Qt::Key_F2), int(Qt::Key_0)}) {
        windows->form5->hide();
        press(key, key == Qt::Key_0 ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_TRUE(windows->form5->isVisible());
    }
    // Tab from model to model: each shows its description as it takes the focus.
    TForm5* chooser = windows->form5.get();
    QApplication::setActiveWindow(chooser);
    const auto modelButton = [chooser](int n) { return chooser->findChild<QWidget*>(QStringLiteral("sBitBtn%1").arg(n)); };
    modelButton(1)->setFocus(Qt::TabFocusReason);
    const auto* description = chooser->findChild<QTextEdit*>("sRichEdit1");
    std::set<int> shown;
    for (int tab = 0; tab < 20; ++tab) {
        press(Qt::Key_Tab);
        for (int n = 1; n <= 8; ++n) {
            if (QApplication::focusWidget() == modelButton(n)) {
                EXPECT_EQ(description->toPlainText(), ModelCatalogue()[n - 1].description()) << "model " << n;
                shown.insert(n);
            }
        }
    }
    EXPECT_EQ(shown.size(), 8u) << "Tab does not reach every model";
    QTest::keyClick(windows->form5.get(), Qt::Key_Escape);
    EXPECT_FALSE(windows->form5->isVisible());

    QApplication::setActiveWindow(mainWindow()); // as the window system does when the chooser goes
    press(Qt::Key_F1);
    EXPECT_TRUE(windows->form11->isVisible());
    QTest::keyClick(windows->form11.get(), Qt::Key_Escape);
    EXPECT_FALSE(windows->form11->isVisible());
}

} // namespace
