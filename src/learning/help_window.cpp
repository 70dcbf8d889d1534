#include "learning/help_window.h"

#include "ui/window_placement.h"
#include "ui_help_window.h"

TForm11::TForm11(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm11>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::At(191, 149));
}

TForm11::~TForm11() = default;
