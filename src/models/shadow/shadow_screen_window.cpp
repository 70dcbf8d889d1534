#include "models/shadow/shadow_screen_window.h"

#include "ui/window_placement.h"
#include "ui_shadow_screen_window.h"

TForm2::TForm2(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm2>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred().OnTop().Resizable());
}

TForm2::~TForm2() = default;
