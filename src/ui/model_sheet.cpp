// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model_sheet.h"

#include "ui/error_box.h"
#include "ui/glyphs.h"
#include "ui/keyboard_stepping.h"
#include "ui/language.h"
#include "ui/picture_actions.h"
#include "ui/rx_label.h"
#include "ui/window_placement.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QHideEvent>
#include <QRadioButton>

void ModelSheet::Wire(SheetWiring wiring)
{
    wiring_ = std::move(wiring);
    // Every redraw tells who shows the picture elsewhere; the picture's own
    // second drawing (PictureOps) does not.
    drawOnly_ = wiring_.redraw;
    wiring_.redraw = [this] {
        drawOnly_();
        emit redrawn();
    };
    if (wiring_.canvas) {
        ConnectGuarded(wiring_.canvas, &TRxLabel::pictureLost, this, wiring_.redraw);
        AddPictureActions(*this);
    }
    for (QObject* control : wiring_.controls)
        connectControl(control);
    if (wiring_.refresh) {
        wiring_.refresh->setIcon(GlyphIcon(Glyph::Refresh));
        ConnectGuarded(wiring_.refresh, &QAbstractButton::clicked, this, wiring_.redraw);
    }
    if (wiring_.defaults) {
        wiring_.defaults->setIcon(GlyphIcon(Glyph::Defaults));
        ConnectGuarded(wiring_.defaults, &QAbstractButton::clicked, this, wiring_.restoreDefaults);
    }
    // The layout's texts are set anew, then the readouts that the layout
    // gave a text are written again; a hidden sheet is drawn as it is shown.
    if (wiring_.retranslate)
        RetranslateOnLanguageChange(this, [this] {
            wiring_.retranslate();
            if (isVisible())
                wiring_.redraw();
        });
    for (const SheetWiring::SideWindowButton& side : wiring_.sideWindowButtons) {
        const QString name = side.window;
        ConnectGuarded(side.button, &QAbstractButton::clicked, this, [this, name] {
            if (QWidget* window = sideWindows_ ? sideWindows_->sideWindow(name) : nullptr)
                ShowModeless(window);
        });
    }
}

std::vector<CanvasOp> ModelSheet::PictureOps()
{
    std::vector<CanvasOp> ops;
    ImageCanvas& canvas = wiring_.canvas->Canvas();
    canvas.SetLog(&ops);
    RunGuarded(drawOnly_);
    canvas.SetLog(nullptr);
    return ops;
}

void ModelSheet::connectControl(QObject* control)
{
    const auto redraw = wiring_.redraw;
    if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        MakeKeyboardOperable(slider);
        ConnectGuarded(slider, &QAbstractSlider::valueChanged, this, redraw);
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        // Only the button that becomes checked redraws, not the one it unchecks.
        connect(radio, &QRadioButton::toggled, this, [redraw](bool checked) {
            if (checked)
                RunGuarded(redraw);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        ConnectGuarded(check, &QCheckBox::toggled, this, redraw);
    } else {
        qFatal("ModelSheet: control %s cannot be wired", qPrintable(control->objectName()));
    }
}

void ModelSheet::AttachSideWindows(const SideWindows& windows)
{
    sideWindows_ = &windows;
    sideWindowsAttached(windows);
    for (TRxLabel* side : sideCanvases()) {
        side->window()->installEventFilter(this);
        ConnectGuarded(side, &TRxLabel::pictureLost, this, wiring_.redraw);
    }
}

// A side window off the screen is not drawn on, so it is drawn as it opens.
// It is cleared as it closes: a redraw that fails as it opens again leaves it
// empty, not showing a picture of controls set otherwise.
bool ModelSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide) {
        for (TRxLabel* side : sideCanvases()) {
            if (side->window() == watched)
                side->Canvas().Refresh();
        }
    } else if (event->type() == QEvent::Show) {
        RunGuarded(wiring_.redraw);
    }
    return QWidget::eventFilter(watched, event);
}

void ModelSheet::sideWindowsAttached(const SideWindows&) {}

void ModelSheet::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (drawnOnShow_)
        return;
    drawnOnShow_ = true;
    RunGuarded(wiring_.redraw);
}

void ModelSheet::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A hide that only minimises the window keeps the picture.
    if (event->spontaneous() || !wiring_.canvas)
        return;
    wiring_.canvas->ReleasePicture();
    drawnOnShow_ = false;
}
