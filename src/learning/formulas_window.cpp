// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/formulas_window.h"

#include "learning/study_pictures.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_formulas_window.h"

TForm10::TForm10(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm10>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        showPictures();
    });
    ShapeWindow(this, WindowShape::Centred());
    showPictures();
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { close(); });
}

TForm10::~TForm10() = default;

void TForm10::showPictures()
{
    QLabel* const pictures[] = {ui->Image1, ui->Image2, ui->Image3, ui->Image4, ui->Image5, ui->Image6, ui->Image7};
    int n = 0;
    for (QLabel* picture : pictures)
        picture->setPixmap(StudyPicture(QStringLiteral("formula_%1.png").arg(++n), picture->devicePixelRatioF()));
}
