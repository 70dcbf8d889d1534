// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/light_speed_window.h"

#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_light_speed_window.h"

TForm12::TForm12(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm12>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ShapeWindow(this, WindowShape::Centred().OnTop());
}

TForm12::~TForm12() = default;

void TForm12::ShowSpeeds(const QString& medium1, const QString& medium2)
{
    ui->RzLEDDisplay1->setCaption(medium1);
    ui->RzLEDDisplay2->setCaption(medium2);
}

QList<QWidget*> TForm12::speedDisplays() const
{
    return {ui->RzLEDDisplay1, ui->RzLEDDisplay2};
}
