// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/refraction_sheet.h"

#include "kit/checked_math.h"
#include "kit/number_text.h"
#include "models/refraction/light_speed_window.h"
#include "models/refraction/refraction_geometry.h"
#include "models/refraction/refraction_picture.h"
#include "models/refraction/side_window_names.h"
#include "ui/glyphs.h"
#include "ui_refraction_sheet.h"

#include <QCoreApplication>

namespace {

// Readouts get their numbers cut to 15 significant digits first.
QString decimalComma(long double value, int decimals)
{
    return FormatDecimalComma(double(Significant15(value)), decimals);
}

// The speed of light in a medium of index n, in whole metres per second.
QString speedText(long double n)
{
    return QString::number(Round(LightSpeedIn(n))) + QCoreApplication::translate("RefractionSheet", " м/с");
}

} // namespace

RefractionSheet::RefractionSheet(QWidget* parent)
    : ModelSheet(parent), ui(std::make_unique<Ui::RefractionSheet>())
{
    ui->setupUi(this);
    ui->sBitBtn28->setIcon(GlyphIcon(Glyph::IndexTable));
    ui->sBitBtn33->setIcon(GlyphIcon(Glyph::SpeechBubble));
    ui->Image7->setPixmap(GlyphPixmap(Glyph::SpeechBubble, 39));

    SheetWiring wiring;
    wiring.canvas = ui->RxLabel4;
    wiring.redraw = [this] { sTrackBar9Change(); };
    wiring.controls = {ui->sTrackBar9, ui->sScrollBar7, ui->sScrollBar8};
    wiring.refresh = ui->sBitBtn29;
    wiring.defaults = ui->sBitBtn30;
    wiring.restoreDefaults = [this] { sBitBtn19Click(); };
    wiring.sideWindowButtons = {{ui->sBitBtn28, IndexTableWindow}, {ui->sBitBtn33, LightSpeedWindow}};
    wiring.retranslate = [this] { ui->retranslateUi(this); };
    Wire(wiring);
}

RefractionSheet::~RefractionSheet() = default;

void RefractionSheet::sideWindowsAttached(const SideWindows& windows)
{
    lightSpeedWindow_ = qobject_cast<TForm12*>(windows.sideWindow(LightSpeedWindow));
}

void RefractionSheet::sTrackBar9Change()
{
    const RefractionState state =
        RefractionStateOf(ui->sTrackBar9->value(), ui->sScrollBar7->value(), ui->sScrollBar8->value());
    DrawRefraction(ui->RxLabel4->Canvas(), state);

    const RefractionInputs& in = state.in;
    ui->VrProgressBar1->setPosition(state.s1);
    ui->VrProgressBar2->setPosition(state.s2);
    ui->VrMatrix1->setText(PlainNumberText(in.n1));
    ui->VrMatrix2->setText(PlainNumberText(in.n2));
    ui->VrMatrix14->setText(PlainNumberText(in.A + 90));
    ui->VrMatrix12->setText(PlainNumberText(90 - in.A));
    ui->VrMatrix5->setText(decimalComma(in.n2 / in.n1, 2));
    if (lightSpeedWindow_) {
        lightSpeedWindow_->ShowSpeeds(speedText(in.n1), speedText(in.n2));
    }

    const std::optional<long double>& Ao = state.Ao;
    ui->VrMatrix13->setText(PlainNumberText(in.A));
    ui->VrMatrix11->setText(PlainNumberText(in.A));
    ui->VrMatrix3->setText(Ao ? decimalComma(*Ao, 2) : QStringLiteral("NO"));
    ui->VrMatrix4->setText(Ao ? decimalComma(90 + *Ao, 1) : QStringLiteral("NO"));

    // During total internal reflection there is no refracted ray to read.
    const std::optional<long double>& B = state.B;
    ui->VrMatrix9->setText(B ? decimalComma(*B, 2) : QStringLiteral("NO"));
    ui->VrMatrix10->setText(B ? decimalComma(*B + 270, 2) : QStringLiteral("NO"));
    ui->Image7->setVisible(!B);
    ui->sLabelFX5->setVisible(!B);
}

void RefractionSheet::sBitBtn19Click()
{
    ui->sTrackBar9->setValue(90);
    ui->sScrollBar7->setValue(100);
    ui->sScrollBar8->setValue(200);
}

QList<QWidget*> RefractionSheet::readouts() const
{
    QList<QWidget*> list{ui->VrMatrix13, ui->VrMatrix14, ui->VrMatrix1, ui->VrMatrix2,
                         ui->VrProgressBar1, ui->VrProgressBar2, ui->VrMatrix11, ui->VrMatrix12,
                         ui->VrMatrix9, ui->VrMatrix10, ui->VrMatrix3, ui->VrMatrix4,
                         ui->VrMatrix5, ui->Image7, ui->sLabelFX5};
    if (lightSpeedWindow_)
        list << lightSpeedWindow_->speedDisplays();
    return list;
}
