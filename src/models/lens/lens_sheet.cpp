// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/lens/lens_sheet.h"

#include "kit/number_text.h"
#include "models/lens/lens_geometry.h"
#include "models/lens/lens_picture.h"
#include "ui/led_text.h"
#include "ui_lens_sheet.h"

namespace {

// What f, Г and h2 show when there is no image.
const QString kUndefined = QStringLiteral("-");

// A signed number with two decimals, or with one where two would not fit the
// display and set it scrolling: an image far behind the lens reads -199,0.
QString FittingText(const TVrMatrix* display, double value)
{
    const QString text = FormatDecimalComma(value, 2);
    return LedCells(text).size() <= display->leds() ? text : FormatDecimalComma(value, 1);
}

} // namespace

LensSheet::LensSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::LensSheet>())
{
    ui->setupUi(this);

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel10;
    wiring.redraw = [this] { sTrackBar14Change(); };
    wiring.controls = {ui->sRadioButton11, ui->sRadioButton9, ui->sTrackBar14, ui->sRadioButton13,
                       ui->sRadioButton12, ui->sScrollBar13, ui->sTrackBar15};
    wiring.refresh = ui->sBitBtn20;
    wiring.defaults = ui->sBitBtn27;
    wiring.restoreDefaults = [this] { sBitBtn27Click(); };
    Wire(wiring);
}

LensSheet::~LensSheet() = default;

void LensSheet::sTrackBar14Change()
{
    Canvas& canvas = ui->RxLabel10->Canvas();
    canvas.Refresh();

    const int d = ui->sScrollBar13->value();
    const int h1 = ui->sTrackBar15->value();
    const int F = ui->sTrackBar14->value();
    const LensKind kind = ui->sRadioButton11->isChecked() ? LensKind::Converging : LensKind::Diverging;
    const LensFigure figure = ui->sRadioButton13->isChecked() ? LensFigure::Outline : LensFigure::Schematic;
    ui->RzLEDDisplay1->setCaption(LensCaseText(F, d));
    // With the object in the focus of a converging lens the rays leave
    // parallel: no image, no picture, and nothing to say of f, Г and h2.
    const bool raysParallel = kind == LensKind::Converging && F == d;
    ui->sLabel67->setVisible(raysParallel);

    ui->VrNum26->setValue(F);
    ui->VrJogMeter12->setValue(F);
    ui->VrNum28->setValue(d);
    ui->VrJogMeter11->setValue(d);
    ui->VrMatrix29->setText(FormatDecimalComma(LensPower(kind, F), 4));
    ui->VrNum27->setValue(h1);
    if (raysParallel) {
        for (TVrMatrix* undefined : {ui->VrMatrix30, ui->VrMatrix31, ui->VrMatrix32})
            undefined->setText(kUndefined);
        return;
    }

    const LensNumbers n = ComputeLens(kind, F, d, h1);
    DrawLens(canvas, LensScene{kind, figure, double(F), double(d), double(h1)});
    ui->VrMatrix30->setText(kind == LensKind::Converging ? PlainNumberText(n.f) : FormatDecimalComma(n.f, 2));
    ui->VrMatrix31->setText(FittingText(ui->VrMatrix31, n.G));
    ui->VrMatrix32->setText(FittingText(ui->VrMatrix32, n.h2));
}

void LensSheet::sBitBtn27Click()
{
    ui->sScrollBar13->setValue(130);
    ui->sTrackBar15->setValue(54);
    ui->sTrackBar14->setValue(97);
}

QList<QWidget*> LensSheet::readouts() const
{
    return {ui->RzLEDDisplay1, ui->sLabel67,   ui->VrNum26,    ui->VrJogMeter12, ui->VrNum28,
            ui->VrJogMeter11,  ui->VrNum27,    ui->VrMatrix29, ui->VrMatrix30,   ui->VrMatrix31,
            ui->VrMatrix32};
}
