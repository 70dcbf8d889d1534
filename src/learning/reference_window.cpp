#include "learning/reference_window.h"

#include "ui/window_placement.h"
#include "ui_reference_window.h"

TForm7::TForm7(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm7>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.centred = false;
    shape.screenPosition = QPoint(121, 112);
    ShapeWindow(this, shape);
}

TForm7::~TForm7() = default;
