#include "learning/test_window.h"

#include "ui/window_placement.h"
#include "ui_test_window.h"

TForm17::TForm17(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm17>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.centred = false;
    shape.screenPosition = QPoint(161, 161);
    ShapeWindow(this, shape);
}

TForm17::~TForm17() = default;
