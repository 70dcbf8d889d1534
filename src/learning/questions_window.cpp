#include "learning/questions_window.h"

#include "ui/window_placement.h"
#include "ui_questions_window.h"

TForm9::TForm9(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm9>())
{
    ui->setupUi(this);
    ShapeWindow(this, WindowShape::Centred());
}

TForm9::~TForm9() = default;
