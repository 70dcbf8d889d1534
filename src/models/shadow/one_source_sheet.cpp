// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/one_source_sheet.h"

#include "models/shadow/one_source_picture.h"
#include "models/shadow/shadow_geometry.h"
#include "models/shadow/shadow_screen_window.h"
#include "models/shadow/side_window_names.h"
#include "ui/rx_label.h"
#include "ui_one_source_sheet.h"

#include <cstdlib>

OneSourceShadowSheet::OneSourceShadowSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::OneSourceShadowSheet>())
{
    ui->setupUi(this);

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel1;
    wiring.redraw = [this] { sTrackBar1Change(); };
    wiring.controls = {ui->sTrackBar1,    ui->sTrackBar2,    ui->sScrollBar1,   ui->sScrollBar2,
                       ui->sRadioButton1, ui->sRadioButton2, ui->sRadioButton3, ui->sRadioButton4};
    wiring.refresh = ui->sBitBtn11;
    wiring.defaults = ui->sBitBtn12;
    wiring.restoreDefaults = [this] { sBitBtn12Click(); };
    wiring.sideWindowButtons = {{ui->sBitBtn10, OneSourceScreenWindow}};
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

OneSourceShadowSheet::~OneSourceShadowSheet() = default;

void OneSourceShadowSheet::sideWindowsAttached(const SideWindows& windows)
{
    screen_ = qobject_cast<ShadowScreenWindow*>(windows.sideWindow(OneSourceScreenWindow));
}

void OneSourceShadowSheet::sTrackBar1Change()
{
    const bool pointSource = ui->sRadioButton1->isChecked();
    const bool obstacleShown = ui->sRadioButton4->isChecked();
    ui->sTrackBar1->setEnabled(!pointSource);
    ui->sTrackBar2->setEnabled(obstacleShown);

    const int s = pointSource ? 0 : ui->sTrackBar1->value();
    const int h = obstacleShown ? ui->sTrackBar2->value() : 0;
    // An obstacle or a screen nearer than its new minimum moves back to it;
    // its change redraws the whole model before this redraw goes on. The
    // screen's minimum follows the obstacle once that has moved.
    ui->sScrollBar1->setMinimum(NearestObstacleDistance(s, h));
    const int d = ui->sScrollBar1->value();
    ui->sScrollBar2->setMinimum(NearestScreenDistance(s, d));
    const int L = ui->sScrollBar2->value();

    const OneSourceState state = OneSourceStateOf({s, h, d, L, obstacleShown});
    DrawOneSource(ui->RxLabel1->Canvas(), state);
    if (screen_ && screen_->isVisible())
        DrawOneSourceScreen(screen_->screenLabel()->Canvas(), state);

    ui->VrNum1->setValue(ui->sTrackBar1->value());
    ui->VrNum2->setValue(ui->sTrackBar2->value());
    ui->VrNum3->setValue(d);
    ui->VrNum5->setValue(L);
    ui->VrNum4->setValue(std::abs(L - d));
    ui->VrJogMeter2->setValue(d);
    ui->VrJogMeter1->setValue(L);
    ui->VrJogMeter3->setValue(std::abs(L - d));
}

void OneSourceShadowSheet::sBitBtn12Click()
{
    ui->sTrackBar1->setValue(40);
    ui->sTrackBar2->setValue(30);
    ui->sScrollBar1->setValue(360);
    ui->sScrollBar2->setValue(800);
}

QList<QWidget*> OneSourceShadowSheet::readouts() const
{
    return {ui->VrNum1, ui->VrNum2, ui->VrNum3, ui->VrNum5, ui->VrNum4,
            ui->VrJogMeter2, ui->VrJogMeter1, ui->VrJogMeter3};
}

QList<TRxLabel*> OneSourceShadowSheet::sideCanvases() const
{
    if (!screen_)
        return {};
    return {screen_->screenLabel()};
}
