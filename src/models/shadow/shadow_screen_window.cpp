// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/shadow_screen_window.h"

#include "ui/window_placement.h"
#include "ui_shadow_screen_window.h"

#include <QLayout>

TForm2::TForm2(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm2>())
{
    ui->setupUi(this);
    // The label fills the client area before the window is first shown, so
    // that a redraw then already finds the screen's centre.
    layout()->activate();
    ShapeWindow(this, WindowShape::Centred().OnTop().Resizable());
}

TForm2::~TForm2() = default;

TRxLabel* TForm2::screenLabel() const
{
    return ui->RxLabel1;
}
