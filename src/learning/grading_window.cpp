// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/grading_window.h"

#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_grading_window.h"

TForm19::TForm19(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm19>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ShapeWindow(this, WindowShape::At(435, 228));
    ConnectGuarded(ui->sButton1, &QPushButton::clicked, this, [this] { close(); });
}

TForm19::~TForm19() = default;
