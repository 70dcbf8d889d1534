#include "models/shadow/shadow_screen_window.h"

#include "ui/window_placement.h"
#include "ui_shadow_screen_window.h"

TForm2::TForm2(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm2>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.stayOnTop = true;
    shape.resizable = true;
    ShapeWindow(this, shape);
}

TForm2::~TForm2() = default;
