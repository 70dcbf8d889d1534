#include "learning/problems_window.h"

#include "ui/window_placement.h"
#include "ui_problems_window.h"

TForm8::TForm8(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm8>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred());
}

TForm8::~TForm8() = default;
