// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/model_catalogue.h"
#include "app/model_chooser.h"
#include "app/program_windows.h"
#include "app/startup.h"
#include "ui/error_box.h"
#include "ui/model_sheet.h"
#include "ui/rx_label.h"
#include "ui/vr_num.h"
#include "program_under_test.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

// Picture n is a plain field of a colour of its own.
QColor colourOf(int n)
{
    return QColor(QColor::fromHsv(n * 40, 200, 200).rgb());
}

class ModelChooserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        windows = CreateProgramWindows().release();
        windows->form1->move(0, 0);
        windows->form1->show();
    }
    static void TearDownTestSuite()
    {
        delete windows;
        windows = nullptr;
    }

    void SetUp() override
    {
        previousDirectory = QDir::currentPath();
        QDir::setCurrent(folder.path());
        chooser()->move(0, 0);
        windows->form1->findChild<QPushButton*>("sBitBtn1")->click(); // "МОДЕЛИ"
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser()));
    }
    void TearDown() override
    {
        QDir::setCurrent(previousDirectory);
        SetErrorSink(nullptr);
        chooser()->hide();
        windows->form1->sBitBtn32Click();
    }

    void writePictures()
    {
        QDir(folder.path()).mkpath(QStringLiteral("img"));
        for (int n = 1; n <= 8; ++n) {
            QImage picture(329, 193, QImage::Format_RGB32);
            picture.fill(colourOf(n));
            ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("img/%1.png").arg(n))));
        }
    }

    static TForm5* chooser() { return windows->form5.get(); }
    static QPushButton* button(int n) { return chooser()->findChild<QPushButton*>(QStringLiteral("sBitBtn%1").arg(n)); }
    static QString description() { return chooser()->findChild<QTextEdit*>("sRichEdit1")->toPlainText(); }
    static QColor pictureColour()
    {
        const QPixmap picture = chooser()->findChild<QLabel*>("Image1")->pixmap();
        return picture.isNull() ? QColor() : QColor(picture.toImage().pixel(100, 100));
    }
    // Moves the mouse, through the window system, to a point of button n.
    static void moveOver(int n, const QPoint& point)
    {
        QTest::mouseMove(chooser()->windowHandle(), button(n)->mapTo(chooser(), point));
        QApplication::processEvents();
    }
    static void pointAt(int n)
    {
        moveOver(n, QPoint(40, 20));
        moveOver(n, QPoint(60, 25));
    }
    static QTabWidget* host() { return windows->form1->findChild<QTabWidget*>("sPageControl1"); }

    static ProgramWindows* windows;
    QTemporaryDir folder;
    QString previousDirectory;
};

ProgramWindows* ModelChooserTest::windows = nullptr;

TEST_F(ModelChooserTest, ListsTheEightModelsWithTheirCaptions)
{
    ASSERT_TRUE(chooser()->isVisible());
    EXPECT_EQ(chooser()->windowTitle(), "Выбор компьютерной модели");
    const char* captions[] = {
        "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА", "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА",
        "ЗАКОН ОТРАЖЕНИЯ", "ПЛОСКОЕ ЗЕРКАЛО", "ЗАКОН ПРЕЛОМЛЕНИЯ",
        "ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ", "ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ \nПРИЗМЕ",
        "ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР",
    };
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(button(n)->text(), QString::fromUtf8(captions[n - 1]));
        EXPECT_EQ(button(n)->geometry(), QRect(8, 56 * n, 305, 49));
    }
}

TEST_F(ModelChooserTest, PointingShowsPictureAndDescriptionOfTheModel)
{
    writePictures();
    pointAt(1);
    EXPECT_EQ(pictureColour(), colourOf(1));
    EXPECT_TRUE(description().startsWith("Модель демонстрирует образование тени и полутени от одного источника"));

    pointAt(2);
    EXPECT_EQ(pictureColour(), colourOf(2));
    EXPECT_TRUE(description().contains("а также независимость световых пучков"));

    pointAt(1);
    EXPECT_EQ(pictureColour(), colourOf(1));
    EXPECT_EQ(description(), ModelCatalogue()[0].description());

    pointAt(5);
    EXPECT_EQ(description(),
              "Модель демонстрирует один из фундаментальных законов геометрической оптики, а именно закон преломления. "
              "Модель считает не только угол преломления луча, но и показывает значение предельного угла, при котором "
              "появляется полное внутреннее отражение. Кроме этого в модель входит дополнительная информация, "
              "включающая в себя сведения о скорости света в средах относительно вакуума.");
}

TEST_F(ModelChooserTest, PressingTheFifthButtonShowsTheLawOfRefractionAlone)
{
    button(5)->click();
    EXPECT_FALSE(chooser()->isVisible());
    EXPECT_TRUE(host()->isVisible());
    EXPECT_EQ(host()->currentWidget()->objectName(), "sTabSheet4");
    int visible = 0;
    for (int i = 0; i < host()->count(); ++i)
        visible += host()->isTabVisible(i);
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(host()->tabText(host()->currentIndex()), "ЗАКОН ПРЕЛОМЛЕНИЯ");
}

// A model that has just been shown is drawn, its readouts agree with its
// controls, and it shows the same picture when it is hidden and shown again.
TEST_F(ModelChooserTest, EveryBuiltModelIsDrawnWhenItIsShown)
{
    QImage reflectionPicture;
    for (int n = 1; n <= 8; ++n) {
        ModelSheet* sheet = windows->form1->modelSheet(ModelCatalogue()[n - 1].sheet);
        if (!sheet)
            continue;
        windows->form1->findChild<QPushButton*>("sBitBtn1")->click();
        button(n)->click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(windows->form1.get()));
        const QImage& picture = sheet->modelCanvas()->Canvas().Image();
        int lit = 0;
        for (int y = 0; y < picture.height(); y += 4)
            for (int x = 0; x < picture.width(); x += 4)
                lit += picture.pixel(x, y) != picture.pixel(0, 0);
        EXPECT_GT(lit, 100) << "the canvas of model " << n << " is empty";
        if (n == 3)
            reflectionPicture = picture.copy();
    }
    ModelSheet* reflection = windows->form1->modelSheet("sTabSheet3");
    EXPECT_EQ(reflection->findChild<TVrNum*>("VrNum15")->value(), 45);
    EXPECT_EQ(reflection->findChild<TVrNum*>("VrNum12")->value(), 155);

    // Hidden, it let its picture go; shown again, it draws the same one.
    windows->form1->ShowModelSheet(reflection);
    QApplication::processEvents();
    EXPECT_EQ(reflection->modelCanvas()->Canvas().Image(), reflectionPicture);
}

TEST_F(ModelChooserTest, ChoosingAgainSwitchesOrKeepsTheModel)
{
    button(3)->click();
    EXPECT_EQ(host()->currentWidget()->objectName(), "sTabSheet3");
    windows->form1->findChild<QPushButton*>("sBitBtn1")->click();
    button(3)->click();
    EXPECT_EQ(host()->currentWidget()->objectName(), "sTabSheet3");
    EXPECT_FALSE(chooser()->isVisible());
    windows->form1->findChild<QPushButton*>("sBitBtn1")->click();
    button(4)->click();
    EXPECT_EQ(host()->currentWidget()->objectName(), "sTabSheet5");
}

TEST_F(ModelChooserTest, MissingPictureIsReportedAndTheDescriptionStays)
{
    writePictures();
    pointAt(2);
    const QString before = description();
    QDir(folder.filePath("img")).removeRecursively();

    QStringList boxes;
    SetErrorSink([&boxes](const QString& text) { boxes << text; });
    moveOver(3, QPoint(40, 20));
    ASSERT_EQ(boxes.size(), 1);
    const QString path = QDir::toNativeSeparators(folder.filePath("img/3.png"));
    EXPECT_EQ(boxes.first(), "Cannot open file \"" + path + "\". No such file or directory.");
    EXPECT_EQ(description(), before);
    EXPECT_EQ(pictureColour(), colourOf(2));

    moveOver(3, QPoint(60, 25));
    EXPECT_EQ(boxes.size(), 2); // every movement tries again

    button(3)->click();
    EXPECT_EQ(host()->currentWidget()->objectName(), "sTabSheet3");
}

TEST_F(ModelChooserTest, ClosingKeepsThePictureAndDescription)
{
    writePictures();
    pointAt(7);
    chooser()->findChild<QPushButton*>("sBitBtn9")->click();
    EXPECT_FALSE(chooser()->isVisible());
    windows->form1->findChild<QPushButton*>("sBitBtn1")->click();
    EXPECT_EQ(pictureColour(), colourOf(7));
    EXPECT_EQ(description(), ModelCatalogue()[6].description());
}

} // namespace
