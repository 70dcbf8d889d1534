// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"

#include "app/splash_picture.h"
#include "ui/language.h"
#include "ui/window_placement.h"
#include "ui_splash_window.h"

#include <QEventLoop>

TForm15::TForm15(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm15>())
{
    ui->setupUi(this);
    RetranslateOnLanguageChange(this, [this] { ui->retranslateUi(this); });
    ui->Image1->setPixmap(PaintSplashPicture(ui->Image1->size()));

    ShapeWindow(this, WindowShape::Centred());
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    Timer1.setInterval(3000);
    connect(&Timer1, &QTimer::timeout, this, &TForm15::Timer1Timer);
    Timer1.start();
}

TForm15::~TForm15() = default;

void TForm15::Timer1Timer()
{
    Timer1.stop();
}

void TForm15::WaitForTimer()
{
    if (!Timer1.isActive())
        return;
    QEventLoop loop;
    connect(&Timer1, &QTimer::timeout, &loop, &QEventLoop::quit);
    loop.exec();
}
