// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/two_source_screen_window.h"

#include "ui/window_placement.h"
#include "ui_two_source_screen_window.h"

#include <QLayout>

TForm3::TForm3(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    // The label fills the client area before the window is first shown, so
    // that a redraw then already finds the screen's centre.
    layout()->activate();
    ShapeWindow(this, WindowShape::Centred().OnTop().Resizable());
}

TForm3::~TForm3() = default;

TRxLabel* TForm3::screenLabel() const
{
    return ui->RxLabel1;
}
