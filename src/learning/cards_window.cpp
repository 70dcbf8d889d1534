#include "learning/cards_window.h"

#include "ui/window_placement.h"
#include "ui_cards_window.h"

TForm14::TForm14(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm14>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.centred = false;
    shape.screenPosition = QPoint(216, 129);
    ShapeWindow(this, shape);
}

TForm14::~TForm14() = default;
