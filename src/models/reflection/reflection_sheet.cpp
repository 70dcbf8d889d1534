#include "models/reflection/reflection_sheet.h"

#include "models/reflection/reflection_geometry.h"
#include "models/reflection/reflection_picture.h"
#include "ui/error_box.h"
#include "ui/glyphs.h"
#include "ui_reflection_sheet.h"

ReflectionSheet::ReflectionSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::ReflectionSheet>())
{
    ui->setupUi(this);
    ui->sBitBtn16->setIcon(GlyphIcon(Glyph::Refresh));
    ui->sBitBtn17->setIcon(GlyphIcon(Glyph::Defaults));

    ConnectGuarded(ui->sTrackBar7, &QSlider::valueChanged, this, [this] { sTrackBar7Change(); });
    ConnectGuarded(ui->sTrackBar6, &QSlider::valueChanged, this, [this] { sTrackBar7Change(); });
    ConnectGuarded(ui->sBitBtn16, &QPushButton::clicked, this, [this] { sTrackBar7Change(); });
    ConnectGuarded(ui->sBitBtn17, &QPushButton::clicked, this, [this] { sBitBtn17Click(); });
}

ReflectionSheet::~ReflectionSheet() = default;

void ReflectionSheet::sTrackBar7Change()
{
    const int A = ui->sTrackBar7->value();
    const int F = ui->sTrackBar6->value();
    DrawReflection(ui->RxLabel3->Canvas(), A, F);

    const ReflectionReadouts r = ComputeReflectionReadouts(A, F);
    ui->VrNum12->setValue(r.reflectedOnProtractor);
    ui->VrNum16->setValue(r.rayOnProtractor);
    ui->VrNum13->setValue(r.mirrorAngle);
    ui->VrNum17->setValue(r.reflectedAngle);
    ui->VrNum15->setValue(r.rayAngle);
    ui->VrNum14->setValue(r.mirrorOnProtractor);
}

void ReflectionSheet::sBitBtn17Click()
{
    ui->sTrackBar7->setValue(45);
    ui->sTrackBar6->setValue(10);
}

TRxLabel* ReflectionSheet::modelCanvas() const
{
    return ui->RxLabel3;
}

QAbstractButton* ReflectionSheet::refreshButton() const
{
    return ui->sBitBtn16;
}

QList<QWidget*> ReflectionSheet::readouts() const
{
    return {ui->VrNum12, ui->VrNum16, ui->VrNum13, ui->VrNum17, ui->VrNum15, ui->VrNum14};
}
