// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/two_source_sheet.h"

#include "models/shadow/shadow_geometry.h"
#include "models/shadow/shadow_screen_window.h"
#include "models/shadow/side_window_names.h"
#include "models/shadow/two_source_picture.h"
#include "ui/glyphs.h"
#include "ui/rx_label.h"
#include "ui_two_source_sheet.h"

namespace {

constexpr int kArrowSize = 24;

} // namespace

TwoSourceShadowSheet::TwoSourceShadowSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::TwoSourceShadowSheet>())
{
    ui->setupUi(this);
    for (QLabel* down : {ui->Image1, ui->Image3})
        down->setPixmap(GlyphPixmap(Glyph::ArrowDown, kArrowSize));
    for (QLabel* up : {ui->Image2, ui->Image4})
        up->setPixmap(GlyphPixmap(Glyph::ArrowUp, kArrowSize));

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel2;
    wiring.redraw = [this] { sTrackBar3Change(); };
    wiring.controls = {ui->sTrackBar3,  ui->sTrackBar4,  ui->sTrackBar5,
                       ui->sScrollBar3, ui->sScrollBar4, ui->sScrollBar5};
    wiring.refresh = ui->sBitBtn14;
    wiring.defaults = ui->sBitBtn15;
    wiring.restoreDefaults = [this] { sBitBtn15Click(); };
    wiring.sideWindowButtons = {{ui->sBitBtn13, TwoSourceScreenWindow}};
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

TwoSourceShadowSheet::~TwoSourceShadowSheet() = default;

void TwoSourceShadowSheet::sideWindowsAttached(const SideWindows& windows)
{
    screen_ = qobject_cast<ShadowScreenWindow*>(windows.sideWindow(TwoSourceScreenWindow));
}

void TwoSourceShadowSheet::sTrackBar3Change()
{
    // A source nearer the obstacle than the new minimum moves back to it; its
    // change redraws the whole model before this redraw goes on.
    const int nearest = NearestSourceDistance(ui->sTrackBar5->value());
    ui->sScrollBar3->setMinimum(nearest);
    ui->sScrollBar4->setMinimum(nearest);
    const TwoSourceScene scene{ui->sTrackBar3->value(),  ui->sScrollBar3->value(), ui->sTrackBar4->value(),
                               ui->sScrollBar4->value(), ui->sScrollBar5->value(), ui->sTrackBar5->value()};
    const TwoSourceState state = TwoSourceStateOf(scene);
    DrawTwoSources(ui->RxLabel2->Canvas(), state);
    if (screen_ && screen_->isVisible())
        DrawTwoSourceScreen(screen_->screenLabel()->Canvas(), state);

    ui->VrNum6->setValue(scene.theta1);
    ui->VrNum8->setValue(scene.theta2);
    ui->VrNum7->setValue(scene.r1);
    ui->VrNum9->setValue(scene.r2);
    ui->VrNum11->setValue(scene.R);
    ui->VrNum10->setValue(scene.L);
    ui->VrJogMeter4->setValue(scene.r1);
    ui->VrJogMeter5->setValue(scene.r2);
    ui->VrJogMeter6->setValue(scene.L);
    ui->Image2->setVisible(scene.theta1 > 0);
    ui->Image1->setVisible(scene.theta1 <= 0);
    ui->Image4->setVisible(scene.theta2 > 0);
    ui->Image3->setVisible(scene.theta2 <= 0);
}

void TwoSourceShadowSheet::sBitBtn15Click()
{
    ui->sTrackBar3->setValue(10);
    ui->sTrackBar4->setValue(-10);
    ui->sScrollBar4->setValue(180);
    ui->sScrollBar3->setValue(400);
    ui->sScrollBar5->setValue(400);
    ui->sTrackBar5->setValue(20);
}

QList<QWidget*> TwoSourceShadowSheet::readouts() const
{
    return {ui->VrNum6,      ui->VrNum8,      ui->VrNum7,      ui->VrNum9, ui->VrNum11, ui->VrNum10,
            ui->VrJogMeter4, ui->VrJogMeter5, ui->VrJogMeter6, ui->Image1, ui->Image2,  ui->Image3,
            ui->Image4};
}

QList<TRxLabel*> TwoSourceShadowSheet::sideCanvases() const
{
    if (!screen_)
        return {};
    return {screen_->screenLabel()};
}
