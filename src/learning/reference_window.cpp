// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/reference_window.h"

#include "learning/study_pictures.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_reference_window.h"

TForm7::TForm7(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm7>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] {
        ui->retranslateUi(this);
        if (isVisible())
            showPictures();
    });
    ShapeWindow(this, WindowShape::At(121, 112));
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { close(); });
}

TForm7::~TForm7() = default;

void TForm7::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showPictures();
}

// Read as the window shows, at the ratio of the screen it shows on.
void TForm7::showPictures()
{
    ui->Image1->setPixmap(StudyPicture(QStringLiteral("reference_1.png"), ui->Image1->devicePixelRatioF()));
    ui->Image2->setPixmap(StudyPicture(QStringLiteral("reference_2.png"), ui->Image2->devicePixelRatioF()));
}

void TForm7::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    ui->Image1->clear();
    ui->Image2->clear();
}
