#include "models/shadow/two_source_screen_window.h"

#include "ui/window_placement.h"
#include "ui_two_source_screen_window.h"

TForm3::TForm3(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm3>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred().OnTop().Resizable());
}

TForm3::~TForm3() = default;
