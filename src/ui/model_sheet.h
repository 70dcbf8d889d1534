// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/canvas_op.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

class QAbstractButton;
class TRxLabel;

// The program's windows by their layout names ("TForm4"), for the sheets that
// open a side window or write into one. They exist only after every window
// has been created, so a sheet receives them late.
class SideWindows {
public:
    virtual ~SideWindows() = default;
    // The window of that name; nullptr if there is none.
    virtual QWidget* sideWindow(const QString& name) const = 0;
};

// Everything that wires a model's tab sheet, declared in one place.
struct SheetWiring {
    // A button that shows one of the program's other windows.
    struct SideWindowButton {
        QAbstractButton* button;
        QString window;
    };

    TRxLabel* canvas = nullptr;
    // The model's one redraw routine.
    std::function<void()> redraw;
    // Every control whose change redraws: track bars and scroll bars on a new
    // position, radio buttons when they become checked, check boxes on a click.
    QList<QObject*> controls;
    QAbstractButton* refresh = nullptr;
    QAbstractButton* defaults = nullptr;
    // Sets the default positions; each position that changes redraws by itself.
    std::function<void()> restoreDefaults;
    QList<SideWindowButton> sideWindowButtons;
    // Sets the layout's texts anew in the language now installed.
    std::function<void()> retranslate;
};

// A model's tab sheet as the program and the probe see it: its canvas, the
// refresh button that redraws it, the readouts it writes and the side windows
// it serves. Every handler it wires runs guarded.
class ModelSheet : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    TRxLabel* modelCanvas() const { return wiring_.canvas; }
    QAbstractButton* refreshButton() const { return wiring_.refresh; }
    // The readout widgets and indicators, in the order they are reported.
    virtual QList<QWidget*> readouts() const = 0;
    // The controls that redraw the model.
    const QList<QObject*>& controls() const { return wiring_.controls; }
    // The operations that draw the picture as it stands: the sheet draws
    // it once more, logging them.
    std::vector<CanvasOp> PictureOps();

signals:
    // The model has drawn its picture anew.
    void redrawn();

public:
    // The labels of side windows that the redraw draws on as well, while
    // their windows are on the screen; a side window that opens is drawn at once.
    virtual QList<TRxLabel*> sideCanvases() const { return {}; }

    // Hands the sheet the program's windows once they all exist; they must
    // outlive the sheet.
    void AttachSideWindows(const SideWindows& windows);

protected:
    // Connects every control, the refresh and default buttons and the side
    // window buttons; call once, after the layout is set up.
    void Wire(SheetWiring wiring);
    // For a sheet that writes into a side window: look it up here.
    virtual void sideWindowsAttached(const SideWindows& windows);

    // A sheet is drawn as it is shown, so that it is never seen with an
    // empty canvas beside readouts of nothing. A hidden sheet lets its
    // picture go: eight canvases of a megabyte and more each would otherwise
    // stand in memory for the one a pupil sees (scripts/peak-memory).
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControl(QObject* control);

    SheetWiring wiring_;
    std::function<void()> drawOnly_; // the model's own redraw, without `redrawn`
    const SideWindows* sideWindows_ = nullptr;
    bool drawnOnShow_ = false; // since the sheet was last hidden
};
