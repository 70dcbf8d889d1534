#include "learning/about_window.h"

#include "ui/window_placement.h"
#include "ui_about_window.h"

TForm16::TForm16(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm16>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred());
}

TForm16::~TForm16() = default;
