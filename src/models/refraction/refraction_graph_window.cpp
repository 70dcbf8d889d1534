// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/refraction/refraction_graph_window.h"

#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_refraction_graph_window.h"

TForm13::TForm13(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm13>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ShapeWindow(this, WindowShape::At(291, 217).OnTop());
}

TForm13::~TForm13() = default;
