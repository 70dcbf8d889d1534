// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shadow/shadow_screen_window.h"

#include "models/shadow/side_window_names.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_shadow_screen_window.h"

#include <QLayout>

const ScreenWindowLayout OneSourceScreenLayout{OneSourceScreenWindow, {289, 245}};
const ScreenWindowLayout TwoSourceScreenLayout{TwoSourceScreenWindow, {285, 240}};

ShadowScreenWindow::ShadowScreenWindow(const ScreenWindowLayout& screen, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::ShadowScreenWindow>())
{
    // Named before the layout is set up, which names only a nameless window.
    setObjectName(QLatin1String(screen.name));
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    resize(screen.clientSize);
    // The label fills the client area before the window is first shown, so
    // that a redraw then already finds the screen's centre.
    layout()->activate();
    ShapeWindow(this, WindowShape::Centred().OnTop().Resizable());
}

// Closed while its label is still there: its model clears the label as it
// closes, which QWidget's destructor would do after the layout is gone.
ShadowScreenWindow::~ShadowScreenWindow()
{
    hide();
}

TRxLabel* ShadowScreenWindow::screenLabel() const
{
    return ui->RxLabel1;
}
