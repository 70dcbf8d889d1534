// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/reflection/reflection_sheet.h"

#include "models/reflection/reflection_geometry.h"
#include "models/reflection/reflection_picture.h"
#include "ui_reflection_sheet.h"

ReflectionSheet::ReflectionSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::ReflectionSheet>())
{
    ui->setupUi(this);

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel3;
    wiring.redraw = [this] { sTrackBar7Change(); };
    wiring.controls = {ui->sTrackBar7, ui->sTrackBar6};
    wiring.refresh = ui->sBitBtn16;
    wiring.defaults = ui->sBitBtn17;
    wiring.restoreDefaults = [this] { sBitBtn17Click(); };
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

ReflectionSheet::~ReflectionSheet() = default;

void ReflectionSheet::sTrackBar7Change()
{
    const ReflectionState state = ReflectionStateOf(ui->sTrackBar7->value(), ui->sTrackBar6->value());
    DrawReflection(ui->RxLabel3->Canvas(), state);

    const ReflectionReadouts& r = state.readouts;
    ui->VrNum12->setValue(r.reflectedOnProtractor);
    ui->VrNum16->setValue(r.rayOnProtractor);
    ui->VrNum13->setValue(r.mirrorAngle);
    ui->VrNum17->setValue(r.reflectedAngle);
    ui->VrNum15->setValue(r.rayAngle);
    ui->VrNum14->setValue(r.mirrorOnProtractor);
    ui->VrNum29->setValue(r.incidenceAngle);
    ui->VrNum30->setValue(r.reflectionAngle);
}

void ReflectionSheet::sBitBtn17Click()
{
    ui->sTrackBar7->setValue(45);
    ui->sTrackBar6->setValue(10);
}

QList<QWidget*> ReflectionSheet::readouts() const
{
    return {ui->VrNum12, ui->VrNum16, ui->VrNum13, ui->VrNum17, ui->VrNum15, ui->VrNum14, ui->VrNum29, ui->VrNum30};
}
