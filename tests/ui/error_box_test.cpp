// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/float_error.h"
#include "ui/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const char* const kTitle = "**ОБУЧАЮЩАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**";

class ErrorBoxTest : public ::testing::Test {
protected:
    void SetUp() override { SetApplicationTitle(QString::fromUtf8(kTitle)); }
    void TearDown() override { SetErrorSink(nullptr); }
};

TEST_F(ErrorBoxTest, HasAStopIconOkAndTheApplicationTitle)
{
    const auto box = MakeErrorBox(QStringLiteral("Floating point division by zero"));
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), QString::fromUtf8(kTitle));
    EXPECT_EQ(box->text(), "Floating point division by zero.");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

TEST_F(ErrorBoxTest, ShowErrorWaitsForOk)
{
    QString shownText;
    QTimer::singleShot(0, [&shownText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    ShowError(QStringLiteral("Invalid floating point operation"));
    EXPECT_EQ(shownText, "Invalid floating point operation.");
}

TEST_F(ErrorBoxTest, GuardEndsTheHandlerAtTheFailingStep)
{
    QStringList boxes;
    SetErrorSink([&boxes](const QString& text) { boxes << text; });
    bool finished = false;
    RunGuarded([&finished] {
        throw FloatError(FloatError::Kind::Overflow);
        finished = true;
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(boxes, QStringList{"Floating point overflow."});

    RunGuarded([] { throw AppError(QStringLiteral("Cannot open file \"/x/img/1.png\". No such file or directory")); });
    EXPECT_EQ(boxes.last(), "Cannot open file \"/x/img/1.png\". No such file or directory.");
}

TEST_F(ErrorBoxTest, GuardedConnectionKeepsTheSignalSafe)
{
    QStringList boxes;
    SetErrorSink([&boxes](const QString& text) { boxes << text; });
    QPushButton button;
    int after = 0;
    ConnectGuarded(&button, &QPushButton::clicked, &button, [] { throw FloatError(FloatError::Kind::DivisionByZero); });
    QObject::connect(&button, &QPushButton::clicked, [&after] { ++after; });
    button.click();
    EXPECT_EQ(boxes, QStringList{"Floating point division by zero."});
    EXPECT_EQ(after, 1);
}

} // namespace
