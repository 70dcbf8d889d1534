#include "learning/formulas_window.h"

#include "ui/window_placement.h"
#include "ui_formulas_window.h"

TForm10::TForm10(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm10>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred());
}

TForm10::~TForm10() = default;
