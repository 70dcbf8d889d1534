#include "learning/dictionary_window.h"

#include "ui/window_placement.h"
#include "ui_dictionary_window.h"

TForm6::TForm6(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm6>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    ShapeWindow(this, shape);
}

TForm6::~TForm6() = default;
