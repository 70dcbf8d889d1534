#include "learning/skin_chooser_window.h"

#include "ui/window_placement.h"
#include "ui_skin_chooser_window.h"

TForm18::TForm18(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm18>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.centred = false;
    shape.screenPosition = QPoint(372, 231);
    shape.minimiseButton = true;
    shape.maximiseButton = true;
    ShapeWindow(this, shape);
}

TForm18::~TForm18() = default;
