#include "models/refraction/index_table_window.h"

#include "ui/error_box.h"
#include "ui/window_placement.h"
#include "ui_index_table_window.h"

TForm4::TForm4(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm4>())
{
    ui->setupUi(this);
    WindowShape shape;
    shape.clientSize = size();
    shape.centred = false;
    shape.screenPosition = QPoint(296, 171);
    ShapeWindow(this, shape);
    ConnectGuarded(ui->sBitBtn1, &QPushButton::clicked, this, [this] { sBitBtn1Click(); });
}

TForm4::~TForm4() = default;

void TForm4::sBitBtn1Click()
{
    close();
}
