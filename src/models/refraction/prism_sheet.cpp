// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/prism_sheet.h"

#include "kit/number_text.h"
#include "models/refraction/prism_picture.h"
#include "models/refraction/side_window_names.h"
#include "ui/glyphs.h"
#include "ui_prism_sheet.h"

PrismSheet::PrismSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::PrismSheet>())
{
    ui->setupUi(this);
    ui->sBitBtn31->setIcon(GlyphIcon(Glyph::IndexTable));
    ui->Image5->setPixmap(GlyphPixmap(Glyph::Warning, 39));
    ui->Image6->setPixmap(GlyphPixmap(Glyph::Warning, 39));

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel9;
    wiring.redraw = [this] { sTrackBar12Change(); };
    wiring.controls = {ui->sTrackBar12, ui->sTrackBar13, ui->sScrollBar6};
    wiring.refresh = ui->sBitBtn25;
    wiring.defaults = ui->sBitBtn26;
    wiring.restoreDefaults = [this] { sBitBtn26Click(); };
    wiring.sideWindowButtons = {{ui->sBitBtn31, IndexTableWindow}};
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

PrismSheet::~PrismSheet() = default;

void PrismSheet::sTrackBar12Change()
{
    const int alpha = ui->sTrackBar12->value();
    const int P = ui->sTrackBar13->value();
    const int s = ui->sScrollBar6->value();
    const PrismTrace trace = TracePrism(alpha, P, s);

    ui->VrProgressBar4->setPosition(s);
    ui->VrMatrix23->setText(PlainNumberText(alpha));
    ui->VrMatrix24->setText(PlainNumberText(P));
    ui->VrMatrix27->setText(PlainNumberText(trace.n));
    DrawPrism(ui->RxLabel9->Canvas(), trace);

    // The deviation of a ray that leaves refracted twice; none for a ray
    // that misses the prism or is totally reflected inside it.
    ui->VrMatrix28->setText(trace.deviation ? FormatDecimalComma(double(*trace.deviation), 2) : QStringLiteral("NO"));
    showMiss(trace.outcome == PrismOutcome::Missed);
    showTotalReflection(trace.outcome == PrismOutcome::TotallyReflected);
}

void PrismSheet::showTotalReflection(bool shown)
{
    ui->Image5->setVisible(shown);
    ui->sLabelFX4->setVisible(shown);
}

void PrismSheet::showMiss(bool shown)
{
    ui->Image6->setVisible(shown);
    ui->sLabelFX6->setVisible(shown);
}

void PrismSheet::sBitBtn26Click()
{
    ui->sTrackBar12->setValue(13);
    ui->sTrackBar13->setValue(45);
    ui->sScrollBar6->setValue(133);
}

QList<QWidget*> PrismSheet::readouts() const
{
    return {ui->VrMatrix23, ui->VrMatrix24, ui->VrMatrix25, ui->VrMatrix26,
            ui->VrMatrix27, ui->VrProgressBar4, ui->VrMatrix28, ui->Image5,
            ui->sLabelFX4,  ui->Image6,         ui->sLabelFX6};
}
