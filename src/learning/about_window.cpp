// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/about_window.h"

#include "learning/study_pictures.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_about_window.h"

TForm16::TForm16(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm16>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ui->sLabelFX2->setText(QStringLiteral("VERSION " OPTIKA_VERSION));
    ShapeWindow(this, WindowShape::Centred());
    const QPixmap briefcase = StudyPicture(QStringLiteral("briefcase.png"), ui->Image1->devicePixelRatioF());
    ui->Image1->setPixmap(briefcase);
    ui->Image2->setPixmap(briefcase);
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { close(); });
}

TForm16::~TForm16() = default;
