// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/splash_window.h"
#include "app/startup.h"
#include "ui/rotated_label.h"

#include <QElapsedTimer>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

// Qt's own boxes and dialogs speak the program's language.
TEST(Startup, QtsOwnButtonsAreRussian)
{
    PrepareApplication(*qApp);
    QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Нет");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Отмена");
}

TEST(Splash, IsABorderless700By400Picture)
{
    TForm15 splash;
    EXPECT_EQ(splash.size(), QSize(700, 400));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash.windowTitle(), "Form15");
    auto* picture = splash.findChild<QLabel*>("Image1");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->pixmap().size(), QSize(700, 400));
    EXPECT_EQ(splash.Timer1.interval(), 3000);
    EXPECT_TRUE(splash.TimerEnabled());
}

TEST(Splash, CarriesTheThreeTurnedCaptions)
{
    TForm15 splash;
    const struct {
        const char* name;
        const char* text;
        int angle;
        QRect geometry;
    } expected[] = {
        {"RzLabel1", "Законы распространения света ", 20, {8, 208, 262, 110}},
        {"RzLabel2", "на основе представлений о световых лучах", 20, {16, 184, 383, 154}},
        {"RzLabel3", "ОСНОВНЫЕ ЗАКОНЫ", 10, {504, 344, 188, 50}},
    };
    for (const auto& label : expected) {
        auto* widget = splash.findChild<RotatedLabel*>(label.name);
        ASSERT_NE(widget, nullptr) << label.name;
        widget->ensurePolished();
        EXPECT_EQ(widget->text(), QString::fromUtf8(label.text));
        EXPECT_EQ(widget->angle(), label.angle);
        EXPECT_EQ(widget->geometry(), label.geometry);
        EXPECT_TRUE(widget->font().bold());
    }
}

// White letters stay readable on the brightest parts of the photograph: each
// is ringed by a dark outline.
TEST(Splash, CaptionsKeepADarkOutlineOnABrightGround)
{
    QWidget ground;
    ground.resize(300, 120);
    ground.setStyleSheet(QStringLiteral("background: white"));
    ground.setAttribute(Qt::WA_StyledBackground);
    RotatedLabel label(&ground);
    label.setGeometry(0, 0, 300, 120);
    label.setText(QStringLiteral("ОСНОВНЫЕ ЗАКОНЫ"));
    label.setAngle(10);
    QFont font = label.font();
    font.setPixelSize(16);
    font.setBold(true);
    label.setFont(font);
    const QImage image = ground.grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 64;
    EXPECT_GT(dark, 100);
}

TEST(Splash, WaitEndsAtTheTimersFirstTickInAnEventLoop)
{
    TForm15 splash;
    splash.Timer1.start(50);
    QElapsedTimer clock;
    clock.start();
    splash.WaitForTimer();
    EXPECT_GE(clock.elapsed(), 45);
    EXPECT_FALSE(splash.TimerEnabled());
}

} // namespace
