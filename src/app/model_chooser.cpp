#include "app/model_chooser.h"

#include "ui/window_placement.h"
#include "ui_model_chooser.h"

TForm5::TForm5(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm5>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    ShapeWindow(this, shape);
}

TForm5::~TForm5() = default;
