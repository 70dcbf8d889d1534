#include "learning/questions_window.h"

#include "ui/window_placement.h"
#include "ui_questions_window.h"

TForm9::TForm9(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm9>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    ShapeWindow(this, shape);
}

TForm9::~TForm9() = default;
