#include "learning/skin_chooser_window.h"

#include "ui/window_placement.h"
#include "ui_skin_chooser_window.h"

TForm18::TForm18(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm18>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::At(372, 231).Minimisable().Maximisable());
}

TForm18::~TForm18() = default;
