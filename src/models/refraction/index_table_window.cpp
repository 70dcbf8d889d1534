// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/index_table_window.h"

#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_index_table_window.h"

TForm4::TForm4(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm4>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ShapeWindow(this, WindowShape::At(296, 171));
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
}

TForm4::~TForm4() = default;

void TForm4::sBitBtn1Click()
{
    close();
}
