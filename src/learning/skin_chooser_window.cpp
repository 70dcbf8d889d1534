// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/skin_chooser_window.h"

#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/skin_manager.h"
#include "ui/window_placement.h"
#include "ui_skin_chooser_window.h"

TForm18::TForm18(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm18>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ShapeWindow(this, WindowShape::At(372, 231).Minimisable().Maximisable());

    QPushButton* const skinButtons[] = {ui->sBitBtn2, ui->sBitBtn3, ui->sBitBtn4, ui->sBitBtn5,
                                        ui->sBitBtn7, ui->sBitBtn8, ui->sBitBtn6, ui->sBitBtn9};
    for (QPushButton* button : skinButtons)
        ConnectGuarded(button, &QPushButton::clicked, this, [this, button] { ChooseSkin(button->text()); });
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
}

TForm18::~TForm18() = default;

// The label follows the skin in force, not the one of start-up only.
void TForm18::SetSkinManager(SkinManager* manager)
{
    skins_ = manager;
    ui->sLabelFX3->setText(manager->skinName());
    connect(manager, &SkinManager::skinChanged, this, [this](const QString& name) { ui->sLabelFX3->setText(name); });
}

void TForm18::ChooseSkin(const QString& name)
{
    if (skins_)
        skins_->setSkinName(name);
}

void TForm18::sBitBtn1Click()
{
    close();
}

QString TForm18::currentSkinText() const
{
    return ui->sLabelFX3->text();
}
