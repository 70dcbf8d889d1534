// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/plate_sheet.h"

#include "kit/checked_math.h"
#include "kit/number_text.h"
#include "models/refraction/plate_geometry.h"
#include "models/refraction/plate_picture.h"
#include "models/refraction/side_window_names.h"
#include "ui/glyphs.h"
#include "ui_plate_sheet.h"

PlateSheet::PlateSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::PlateSheet>())
{
    ui->setupUi(this);
    ui->sBitBtn19->setIcon(GlyphIcon(Glyph::IndexTable));

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel8;
    wiring.redraw = [this] { sTrackBar10Change(); };
    wiring.controls = {ui->sTrackBar10, ui->sScrollBar11, ui->sTrackBar11};
    wiring.refresh = ui->sBitBtn24;
    wiring.defaults = ui->sBitBtn23;
    wiring.restoreDefaults = [this] { sBitBtn23Click(); };
    wiring.sideWindowButtons = {{ui->sBitBtn19, IndexTableWindow}};
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

PlateSheet::~PlateSheet() = default;

void PlateSheet::sTrackBar10Change()
{
    const PlateGeometry g =
        PlateGeometryOf({ui->sTrackBar10->value(), ui->sScrollBar11->value(), ui->sTrackBar11->value()});
    DrawPlate(ui->RxLabel8->Canvas(), g);

    const int A = g.settings.A;
    ui->VrMatrix17->setText(PlainNumberText(g.n2));
    ui->VrMatrix7->setText(PlainNumberText(Round(10 * g.d)));
    ui->VrMatrix6->setText(PlainNumberText(g.d));
    ui->VrMatrix19->setText(PlainNumberText(g.emergence));
    ui->VrNum23->setValue(A);
    ui->VrNum24->setValue(A + 90);
    ui->VrMatrix21->setText(PlainNumberText(g.reading));
    ui->VrProgressBar3->setPosition(g.settings.s);
    // A ray that leaves through the side face is not parallel to the incident
    // one: there is no shift between them to show.
    ui->VrMatrix18->setText(g.shift ? FormatDecimalComma(*g.shift, 3) : QStringLiteral("NO"));
    ui->VrMatrix20->setText(PlainNumberText(g.B));
    ui->VrMatrix22->setText(FormatDecimalComma(g.B + 270, 3));
}

void PlateSheet::sBitBtn23Click()
{
    ui->sTrackBar10->setValue(45);
    ui->sTrackBar11->setValue(50);
    ui->sScrollBar11->setValue(150);
}

QList<QWidget*> PlateSheet::readouts() const
{
    return {ui->VrNum23,    ui->VrNum24,    ui->VrMatrix15, ui->VrMatrix16, ui->VrMatrix17,
            ui->VrProgressBar3, ui->VrMatrix6, ui->VrMatrix7, ui->VrMatrix18, ui->VrMatrix19,
            ui->VrMatrix21, ui->VrMatrix20, ui->VrMatrix22};
}
