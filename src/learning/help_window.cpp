#include "learning/help_window.h"

#include "ui/window_placement.h"
#include "ui_help_window.h"

TForm11::TForm11(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm11>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.centred = false;
    shape.screenPosition = QPoint(191, 149);
    ShapeWindow(this, shape);
}

TForm11::~TForm11() = default;
