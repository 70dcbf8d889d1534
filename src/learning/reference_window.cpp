#include "learning/reference_window.h"

#include "ui/window_placement.h"
#include "ui_reference_window.h"

TForm7::TForm7(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm7>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::At(121, 112));
}

TForm7::~TForm7() = default;
