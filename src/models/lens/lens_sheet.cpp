#include "models/lens/lens_sheet.h"

#include "kit/number_text.h"
#include "models/lens/lens_geometry.h"
#include "models/lens/lens_picture.h"
#include "ui/error_box.h"
#include "ui/glyphs.h"
#include "ui_lens_sheet.h"

LensSheet::LensSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::LensSheet>())
{
    ui->setupUi(this);
    ui->sBitBtn20->setIcon(GlyphIcon(Glyph::Refresh));
    ui->sBitBtn27->setIcon(GlyphIcon(Glyph::Defaults));

    const auto redraw = [this] { sTrackBar14Change(); };
    ConnectGuarded(ui->sTrackBar14, &QSlider::valueChanged, this, redraw);
    ConnectGuarded(ui->sTrackBar15, &QSlider::valueChanged, this, redraw);
    ConnectGuarded(ui->sScrollBar13, &QScrollBar::valueChanged, this, redraw);
    ConnectGuarded(ui->sBitBtn20, &QPushButton::clicked, this, redraw);
    ConnectGuarded(ui->sBitBtn27, &QPushButton::clicked, this, [this] { sBitBtn27Click(); });
    // A radio button redraws when it becomes the checked one of its pair.
    for (QRadioButton* button : {ui->sRadioButton11, ui->sRadioButton9, ui->sRadioButton13, ui->sRadioButton12}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RunGuarded([this] { sTrackBar14Change(); });
        });
    }
}

LensSheet::~LensSheet() = default;

void LensSheet::sTrackBar14Change()
{
    Canvas& canvas = ui->RxLabel10->Canvas();
    canvas.Refresh();

    const int d = ui->sScrollBar13->value();
    const int h1 = ui->sTrackBar15->value();
    const int F = ui->sTrackBar14->value();
    ui->sLabel67->setVisible(F == d);
    // With the object in the focus the rays leave parallel: no image, and
    // every number keeps its last value.
    if (F == d) {
        ui->RzLEDDisplay1->setCaption(LensCaseText(F, d));
        return;
    }
    ui->RzLEDDisplay1->setCaption(LensCaseText(F, d));

    const LensKind kind = ui->sRadioButton11->isChecked() ? LensKind::Converging : LensKind::Diverging;
    const LensNumbers n = ComputeLens(kind, F, d, h1);
    ui->VrNum26->setValue(F);
    ui->VrJogMeter12->setValue(F);
    ui->VrNum28->setValue(d);
    ui->VrJogMeter11->setValue(d);
    ui->VrMatrix29->setText(FormatDecimalComma(n.D, 4));
    ui->VrNum27->setValue(h1);

    const LensFigure figure = ui->sRadioButton13->isChecked() ? LensFigure::Outline : LensFigure::Schematic;
    DrawLens(canvas, LensScene{kind, figure, double(F), double(d), double(h1)});

    ui->VrMatrix30->setText(kind == LensKind::Converging ? PlainNumberText(n.f) : FormatDecimalComma(n.f, 2));
    ui->VrMatrix31->setText(FormatDecimalComma(n.G, 2));
    ui->VrMatrix32->setText(FormatDecimalComma(n.h2, 2));
}

void LensSheet::sBitBtn27Click()
{
    ui->sScrollBar13->setValue(130);
    ui->sTrackBar15->setValue(54);
    ui->sTrackBar14->setValue(97);
}

TRxLabel* LensSheet::modelCanvas() const
{
    return ui->RxLabel10;
}

QAbstractButton* LensSheet::refreshButton() const
{
    return ui->sBitBtn20;
}

QList<QWidget*> LensSheet::readouts() const
{
    return {ui->RzLEDDisplay1, ui->sLabel67,   ui->VrNum26,    ui->VrJogMeter12, ui->VrNum28,
            ui->VrJogMeter11,  ui->VrNum27,    ui->VrMatrix29, ui->VrMatrix30,   ui->VrMatrix31,
            ui->VrMatrix32};
}
