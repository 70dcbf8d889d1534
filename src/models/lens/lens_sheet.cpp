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
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

LensSheet::~LensSheet() = default;

void LensSheet::sTrackBar14Change()
{
    const LensKind kind = ui->sRadioButton11->isChecked() ? LensKind::Converging : LensKind::Diverging;
    const LensFigure figure = ui->sRadioButton13->isChecked() ? LensFigure::Outline : LensFigure::Schematic;
    const LensState state =
        LensStateOf(kind, ui->sTrackBar14->value(), ui->sScrollBar13->value(), ui->sTrackBar15->value());
    DrawLens(ui->RxLabel10->Canvas(), state, figure);

    ui->RzLEDDisplay1->setCaption(state.caseText);
    ui->sLabel67->setVisible(state.raysParallel);
    ui->VrNum26->setValue(int(state.F));
    ui->VrJogMeter12->setValue(state.F);
    ui->VrNum28->setValue(int(state.d));
    ui->VrJogMeter11->setValue(state.d);
    ui->VrMatrix29->setText(FormatDecimalComma(state.D, 4));
    ui->VrNum27->setValue(int(state.h1));
    if (state.raysParallel) {
        for (TVrMatrix* undefined : {ui->VrMatrix30, ui->VrMatrix31, ui->VrMatrix32})
            undefined->setText(kUndefined);
        return;
    }
    const LensNumbers& n = state.numbers;
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
