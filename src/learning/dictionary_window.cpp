#include "learning/dictionary_window.h"

#include "ui/window_placement.h"
#include "ui_dictionary_window.h"

TForm6::TForm6(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm6>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred());
}

TForm6::~TForm6() = default;
