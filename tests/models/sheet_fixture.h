// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A model's tab sheet under test, driven as the probe drives it: controls set
// by their layout names through the controls themselves, so that their change
// events fire; the refresh and default buttons clicked; readouts read back by
// name; the canvas operations of the last redraw recorded, on the model canvas
// and on the side window's label the sheet draws on; error boxes collected.

#include "kit/canvas_op.h"
#include "ui/model_sheet.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using Ops = std::vector<CanvasOp>;

// The program's side windows a sheet needs, made for one test and handed to
// its sheet by their layout names.
class TestSideWindows : public SideWindows {
public:
    template <typename Window, typename... Args>
    Window& make(const QString& name, Args&&... args)
    {
        auto window = std::make_unique<Window>(std::forward<Args>(args)...);
        Window& made = *window;
        windows_.emplace_back(name, std::move(window));
        return made;
    }
    QWidget* sideWindow(const QString& name) const override;

private:
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> windows_;
};

// What every sheet test does, on the sheet that `SheetTest` owns. Its side
// windows and logs are made before that sheet and outlive it: a side window
// gone first would, as it closed, have the sheet clear a label already gone.
class SheetFixture : public ::testing::Test {
protected:
    // `defaultsButton` is the layout name of the sheet's default button.
    explicit SheetFixture(const char* defaultsButton);
    ~SheetFixture() override;

    // Hands the sheet its side windows, as the program does once every window
    // exists, and records what the sheet draws on their labels.
    void SetUp() override;
    // A sheet in normal use raises no error box.
    void TearDown() override;

    // A side window for the sheet, handed over under `name` in SetUp.
    template <typename Window, typename... Args>
    Window& addSideWindow(const QString& name, Args&&... args)
    {
        return sideWindows_.make<Window>(name, std::forward<Args>(args)...);
    }

    // A widget of the sheet by its layout name; "TForm12.RzLEDDisplay1" names
    // one of a side window, as the probe prints it. An unknown name fails the test.
    template <typename Widget>
    Widget* find(const char* name) const
    {
        const auto [owner, child] = ownerOf(name);
        Widget* found = owner ? owner->findChild<Widget*>(child) : nullptr;
        if (!found)
            throw std::invalid_argument(std::string("no ") + Widget::staticMetaObject.className() + ' ' + name);
        return found;
    }

    // Readouts: an LED number's value, a dial's value, the text a display
    // shows, whether an indicator is shown.
    int number(const char* name) const;
    double dial(const char* name) const;
    QString text(const char* name) const;
    bool shown(const char* name) const;
    // The layout names of the sheet's readouts, in the order the probe reports them.
    QStringList readoutNames() const;

    // Controls: a track bar or scroll bar, a button, radio button or check box.
    QAbstractSlider* slider(const char* name) const;
    QAbstractButton* button(const char* name) const;
    bool checked(const char* button) const;
    // Moves a track bar or scroll bar to `value`, or checks a radio button or
    // check box (unchecks for 0), as `optika-probe model NAME=VALUE` does.
    void set(const char* control, int value);
    void check(const char* button) { set(button, 1); }
    void click(const char* button);
    // The controls set in the order given, then one click on refresh: the
    // probe's `model` run.
    void redrawWith(std::initializer_list<std::pair<const char*, int>> settings);
    void redraw();
    void restoreDefaults();

    // The operations of one kind in a log, in drawing order, and their coordinates.
    static std::vector<const CanvasOp*> opsOf(const Ops& log, CanvasOp::Kind kind);
    std::vector<const CanvasOp*> opsOf(CanvasOp::Kind kind) const { return opsOf(ops, kind); }
    static std::vector<std::vector<int>> argsOf(const Ops& log, CanvasOp::Kind kind);
    // The texts written on the model canvas, in order.
    QStringList texts() const;
    // The model canvas's operations of one kind, as `optika-probe model --ops` prints them.
    QStringList printed(CanvasOp::Kind kind) const;
    // How many lines the model canvas drew in that pen colour.
    int linesIn(const QColor& pen) const;

    // The last redraw on the model canvas and on the side window's label.
    Ops ops;
    Ops sideOps;
    // The texts of the error boxes raised.
    QStringList errors;

private:
    template <typename>
    friend class SheetTest;
    // Called by SheetTest once its sheet exists.
    void use(ModelSheet& sheet);

    std::pair<const QWidget*, QString> ownerOf(const char* name) const;

    const char* defaultsButton_;
    ModelSheet* sheet_ = nullptr;
    TestSideWindows sideWindows_;
};

// The fixture of a sheet test: one `Sheet`, the sheet class under test.
template <typename Sheet>
class SheetTest : public SheetFixture {
protected:
    explicit SheetTest(const char* defaultsButton) : SheetFixture(defaultsButton) { use(sheet); }

    Sheet sheet;
};
