// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/plane_mirror_sheet.h"

#include "models/reflection/plane_mirror_geometry.h"
#include "models/reflection/plane_mirror_picture.h"
#include "ui_plane_mirror_sheet.h"

PlaneMirrorSheet::PlaneMirrorSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::PlaneMirrorSheet>())
{
    ui->setupUi(this);

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel7;
    wiring.redraw = [this] { sTrackBar8Change(); };
    wiring.controls = {ui->sTrackBar8,     ui->sScrollBar9,    ui->sScrollBar10,   ui->sRadioButton5, ui->sRadioButton6,
                       ui->sRadioButton7, ui->sRadioButton8, ui->sRadioButton10, ui->sCheckBox1};
    wiring.refresh = ui->sBitBtn21;
    wiring.defaults = ui->sBitBtn22;
    wiring.restoreDefaults = [this] { sBitBtn22Click(); };
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

PlaneMirrorSheet::~PlaneMirrorSheet() = default;

void PlaneMirrorSheet::sTrackBar8Change()
{
    const ObjectPlacement placement{ui->sScrollBar9->value(), ui->sTrackBar8->value(), ui->sScrollBar10->value()};
    ui->VrNum19->setValue(placement.h);
    ui->VrNum20->setValue(placement.X);
    ui->VrNum21->setValue(placement.Y);
    ui->VrNum22->setValue(ObjectImageDistance(placement.X));
    ui->VrJogMeter7->setValue(placement.X);
    ui->VrJogMeter9->setValue(placement.Y);
    ui->VrJogMeter10->setValue(ObjectImageDistance(placement.X));

    const bool arrow = ui->sRadioButton6->isChecked();
    // The ruler belongs to the arrow; with the point it is greyed, its mark kept.
    ui->sCheckBox1->setEnabled(arrow);
    const ExtraRays extra = ui->sRadioButton8->isChecked()   ? ExtraRays::Two
                            : ui->sRadioButton7->isChecked() ? ExtraRays::One
                                                             : ExtraRays::None;
    DrawPlaneMirror(ui->RxLabel7->Canvas(),
                    MirrorScene{placement, arrow ? MirrorObject::Arrow : MirrorObject::LuminousPoint, extra,
                                ui->sCheckBox1->isChecked()});
}

void PlaneMirrorSheet::sBitBtn22Click()
{
    ui->sScrollBar9->setValue(200);
    ui->sTrackBar8->setValue(100);
    ui->sScrollBar10->setValue(0);
}

QList<QWidget*> PlaneMirrorSheet::readouts() const
{
    return {ui->VrNum19,     ui->VrNum20,     ui->VrNum21,      ui->VrNum22,
            ui->VrJogMeter7, ui->VrJogMeter9, ui->VrJogMeter10, ui->sCheckBox1};
}
