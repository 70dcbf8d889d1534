// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/startup.h"
#include "app/status_texts.h"
#include "learning/ini_file.h"
#include "learning/test_window.h"
#include "ui/model_sheet.h"
#include "ui/panel_status_bar.h"
#include "program_under_test.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <set>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        windows = CreateProgramWindows().release();
        windows->form1->move(0, 0); // the offscreen screen is smaller than the window
        windows->form1->show();
        QApplication::processEvents();
    }
    static void TearDownTestSuite()
    {
        delete windows;
        windows = nullptr;
    }
    void TearDown() override
    {
        for (const char* name : {"TForm5", "TForm6", "TForm7", "TForm8", "TForm9", "TForm10", "TForm11",
                                 "TForm14", "TForm16"})
            windows->byName(name)->hide();
        form1()->sBitBtn32Click();
    }

    static TForm1* form1() { return windows->form1.get(); }
    static QPushButton* tool(const char* name) { return form1()->findChild<QPushButton*>(name); }
    static QTabWidget* host() { return form1()->findChild<QTabWidget*>("sPageControl1"); }

    static int visibleTabs()
    {
        int n = 0;
        for (int i = 0; i < host()->count(); ++i)
            n += host()->isTabVisible(i);
        return n;
    }

    static ProgramWindows* windows;
};

ProgramWindows* MainWindowTest::windows = nullptr;

TEST_F(MainWindowTest, EveryWindowExistsWithItsCaptionAndSize)
{
    const struct {
        const char* name;
        const char* caption;
        QSize clientSize;
    } expected[] = {
        {"TForm1", "**КОМПЬЮТЕРНАЯ ПРОГРАММА ПО ФИЗИКЕ: ИНТЕРАКТИВНЫЕ МОДЕЛИ**", {977, 647}},
        {"TForm2", "Дополнительный экран", {289, 245}},
        {"TForm3", "Дополнительный экран", {285, 240}},
        {"TForm4", "Таблица коэффициентов преломления различных сред", {569, 537}},
        {"TForm5", "Выбор компьютерной модели", {672, 562}},
        {"TForm6", "Словарь терминов", {787, 585}},
        {"TForm7", "Краткий справочник", {931, 598}},
        {"TForm8", "Решаем задачи", {898, 592}},
        {"TForm9", "Отвечаем на вопросы", {825, 570}},
        {"TForm10", "Основные формулы", {737, 605}},
        {"TForm11", "Помощь при работе с компьютерными моделями", {785, 717}}, // with its list of keys
        {"TForm12", "Дополнительная информация", {509, 188}},
        {"TForm13", "График зависимости угла преломления от угла падения", {320, 255}},
        {"TForm14", "Проверка знаний", {754, 585}},
        {"TForm18", "Выбор скина программы", {494, 259}},
        {"TForm19", "КРИТЕРИИ ОЦЕНИВАНИЯ", {313, 305}},
    };
    for (const auto& window : expected) {
        QWidget* form = windows->byName(window.name);
        ASSERT_NE(form, nullptr) << window.name;
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(window.caption)) << window.name;
        EXPECT_EQ(form->size(), window.clientSize) << window.name;
    }
    EXPECT_NE(windows->byName("TForm16"), nullptr);
    // The test window takes its caption from the title in Test.ini.
    const IniFile test(TForm17::DefaultTestPath());
    EXPECT_EQ(windows->byName("TForm17")->windowTitle(),
              test.ReadString("Тест", "Название теста", "Тест без названия"));
    EXPECT_EQ(windows->byName("TForm17")->size(), QSize(810, 455));
}

TEST_F(MainWindowTest, ToolButtonsCarryTheirCaptionsAndHints)
{
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        int left, width;
    } expected[] = {
        {"sBitBtn32", "", "Скрыть модель", 0, 49},
        {"sBitBtn1", "&МОДЕЛИ", "Выбор модели", 48, 97},
        {"sBitBtn2", "&СЛОВАРЬ \nТЕРМИНОВ", "Словарь основных терминов", 144, 105},
        {"sBitBtn3", "&КРАТКИЙ СПРАВОЧНИК", "Краткий справочник", 248, 121},
        {"sBitBtn4", "&ОСНОВНЫЕ \nФОРМУЛЫ", "Основные формулы", 368, 113},
        {"sBitBtn5", "ОТВЕЧАЕМ НА &ВОПРОСЫ", "Теоретические вопросы", 480, 121},
        {"sBitBtn6", "&РЕШАЕМ \nЗАДАЧИ", "Практические задачи", 600, 97},
        {"sBitBtn7", "КОНТРОЛЬ \n&ЗНАНИЙ", "Контроль знаний по теме", 696, 105},
        {"sBitBtn8", "&ПОМОЩЬ", "Помощь по управлению", 800, 89},
        {"sBitBtn9", "ВЫ&ХОД", "Выйти из программы", 888, 89},
    };
    std::set<QString> mnemonics;
    for (const auto& button : expected) {
        QPushButton* b = tool(button.name);
        ASSERT_NE(b, nullptr) << button.name;
        EXPECT_EQ(b->text(), QString::fromUtf8(button.caption)) << button.name;
        // Alt and the letter after '&' press a button with a caption, each its own.
        if (*button.caption) {
            EXPECT_FALSE(b->shortcut().isEmpty()) << button.name;
            EXPECT_TRUE(mnemonics.insert(b->shortcut().toString()).second) << button.name << " shares its key";
        }
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(button.hint)) << button.name;
        EXPECT_EQ(b->geometry(), QRect(button.left, 0, button.width, 41)) << button.name;
        EXPECT_FALSE(b->icon().isNull()) << button.name;
    }
}

TEST_F(MainWindowTest, ToolButtonsOpenTheirWindowsOnceEach)
{
    const std::pair<const char*, const char*> opens[] = {
        {"sBitBtn1", "TForm5"}, {"sBitBtn2", "TForm6"},  {"sBitBtn3", "TForm7"},  {"sBitBtn4", "TForm10"},
        {"sBitBtn5", "TForm9"}, {"sBitBtn6", "TForm8"},  {"sBitBtn7", "TForm14"}, {"sBitBtn8", "TForm11"},
    };
    for (const auto& [button, window] : opens) {
        const int topLevels = QApplication::topLevelWidgets().size();
        tool(button)->click();
        EXPECT_TRUE(windows->byName(window)->isVisible()) << button;
        tool(button)->click();
        EXPECT_TRUE(windows->byName(window)->isVisible()) << button;
        EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels) << button;
        EXPECT_TRUE(form1()->isVisible());
    }
}

TEST_F(MainWindowTest, ModelHostShowsExactlyOneTabAndHidesAgain)
{
    EXPECT_FALSE(host()->isVisible());
    EXPECT_EQ(visibleTabs(), 0);
    tool("sBitBtn32")->click(); // nothing shown: nothing changes
    EXPECT_FALSE(host()->isVisible());

    ModelSheet* reflection = form1()->modelSheet("sTabSheet3");
    ASSERT_NE(reflection, nullptr);
    form1()->ShowModelSheet(reflection);
    EXPECT_TRUE(host()->isVisible());
    EXPECT_EQ(visibleTabs(), 1);
    EXPECT_EQ(host()->currentWidget(), reflection);
    EXPECT_EQ(host()->tabText(host()->currentIndex()), "ЗАКОН ОТРАЖЕНИЯ");
    // Covered by the host, the clock does not tick.
    EXPECT_FALSE(form1()->findChild<QWidget*>("VrLedClock1")->isVisible());

    tool("sBitBtn32")->click();
    EXPECT_FALSE(host()->isVisible());
    EXPECT_EQ(visibleTabs(), 0);
    EXPECT_TRUE(form1()->findChild<QWidget*>("sLabelFX1")->isVisible());
    EXPECT_TRUE(form1()->findChild<QWidget*>("VrLedClock1")->isVisible());
}

TEST_F(MainWindowTest, SheetsCarryTheModelTitlesInTheirOrder)
{
    const char* titles[] = {
        "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ИСТОЧНИКА СВЕТА", "ОБРАЗОВАНИЕ ТЕНИ И ПОЛУТЕНИ ОТ ДВУХ ИСТОЧНИКОВ СВЕТА",
        "ЗАКОН ОТРАЖЕНИЯ", "ПЛОСКОЕ ЗЕРКАЛО", "ЗАКОН ПРЕЛОМЛЕНИЯ",
        "ПРЕЛОМЛЕНИЕ СВЕТА В ПЛОСКОПАРАЛЛЕЛЬНОЙ ПЛАСТИНКЕ", "ПРЕЛОМЛЕНИЕ СВЕТА В ТРЕУГОЛЬНОЙ ПРИЗМЕ",
        "ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР",
    };
    ASSERT_EQ(host()->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(host()->tabText(i), QString::fromUtf8(titles[i]));
    EXPECT_EQ(host()->geometry(), QRect(0, 48, 977, 553));
}

TEST_F(MainWindowTest, RefractionSheetOpensTheIndexTableAndTheSpeedsWindow)
{
    ModelSheet* refraction = form1()->modelSheet("sTabSheet4");
    ASSERT_NE(refraction, nullptr);
    form1()->ShowModelSheet(refraction);
    refraction->findChild<QPushButton*>("sBitBtn28")->click();
    EXPECT_TRUE(windows->byName("TForm4")->isVisible());
    refraction->findChild<QPushButton*>("sBitBtn33")->click();
    EXPECT_TRUE(windows->byName("TForm12")->isVisible());

    // The speeds window follows the model's redraws, open or not.
    refraction->refreshButton()->click();
    QStringList speeds;
    for (QWidget* readout : refraction->readouts()) {
        if (readout->window() == windows->byName("TForm12"))
            speeds << readout->property("caption").toString();
    }
    EXPECT_EQ(speeds, (QStringList{"296824216 м/с", "149150477 м/с"}));

    windows->byName("TForm4")->findChild<QPushButton*>("sBitBtn1")->click();
    EXPECT_FALSE(windows->byName("TForm4")->isVisible());
    windows->byName("TForm12")->hide();
}

TEST_F(MainWindowTest, CardsLeadToTheTestAndTheTestToItsGrading)
{
    tool("sBitBtn7")->click();
    QWidget* cards = windows->byName("TForm14");
    ASSERT_TRUE(cards->isVisible());
    cards->findChild<QPushButton*>("sBitBtn7")->click();
    QWidget* test = windows->byName("TForm17");
    EXPECT_TRUE(test->isVisible());
    test->findChild<QPushButton*>("sBitBtn2")->click();
    EXPECT_TRUE(windows->byName("TForm19")->isVisible());
    for (const char* name : {"TForm17", "TForm19"})
        windows->byName(name)->hide();
}

TEST_F(MainWindowTest, StatusBarShowsTimeDateAndTheHintUnderTheMouse)
{
    auto* status = form1()->findChild<PanelStatusBar*>("sStatusBar2");
    ASSERT_EQ(status->panelCount(), 4);

    // The pointer moves as the window system reports it.
    QTest::mouseMove(form1()->windowHandle(), tool("sBitBtn1")->mapTo(form1(), QPoint(20, 20)));
    form1()->Timer1Timer();
    EXPECT_TRUE(status->panelText(0).startsWith("Время:  "));
    EXPECT_GT(status->panelText(0).size(), 10);
    EXPECT_TRUE(status->panelText(1).startsWith("Дата:  "));
    EXPECT_EQ(status->panelText(2), "Подсказка экрана:  Выбор модели");
    EXPECT_EQ(status->panelText(3), "");

    QTest::mouseMove(form1()->windowHandle(), QPoint(300, 400)); // the start screen, no hint
    form1()->Timer1Timer();
    EXPECT_EQ(status->panelText(2), "Подсказка экрана:  ");
    QTest::mouseMove(form1()->windowHandle(), tool("sBitBtn8")->mapTo(form1(), QPoint(10, 10)));
    form1()->Timer1Timer();
    EXPECT_EQ(status->panelText(2), "Подсказка экрана:  Помощь по управлению");
}

// The 10 ms timer follows a moving pointer; at rest the program sleeps and
// only the clock wakes it, once a second.
TEST_F(MainWindowTest, StatusBarSleepsWhileThePointerRests)
{
    // Over the start screen, where no hint pops up.
    QTest::mouseMove(form1()->windowHandle(), QPoint(300, 400));
    EXPECT_TRUE(form1()->Timer1.isActive());
    QTest::qWait(250);
    form1()->Timer1Timer();
    EXPECT_FALSE(form1()->Timer1.isActive());
    QTest::mouseMove(form1()->windowHandle(), QPoint(320, 420));
    EXPECT_TRUE(form1()->Timer1.isActive());
    EXPECT_EQ(form1()->Timer1.interval(), 10);
}

TEST_F(MainWindowTest, TrayMenuHasItsItemsInOrder)
{
    auto* menu = form1()->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"Помощь", "Автор программы", "-", "Версия программы: " OPTIKA_VERSION, "-", "Закрыть"}));

    menu->findChild<QAction*>("N4")->trigger();
    EXPECT_TRUE(windows->byName("TForm11")->isVisible());
    menu->findChild<QAction*>("N2")->trigger();
    EXPECT_TRUE(windows->byName("TForm16")->isVisible());
}

TEST_F(MainWindowTest, SkinChangeReachesAnOpenSecondaryWindow)
{
    tool("sBitBtn2")->click();
    QWidget* dictionary = windows->byName("TForm6");
    ASSERT_TRUE(dictionary->isVisible());
    EXPECT_EQ(form1()->sSkinManager1.skinName(), "Vista (internal)");

    form1()->sSkinManager1.setSkinName(QStringLiteral("SoapSky - Blue (internal)"));
    QApplication::processEvents();
    const QColor sky = BuiltInSkins()[5].window;
    EXPECT_EQ(dictionary->palette().color(QPalette::Window), sky);
    EXPECT_EQ(dictionary->grab().toImage().pixelColor(300, 540), sky); // the ground left of "ЗАКРЫТЬ"
    EXPECT_EQ(form1()->palette().color(QPalette::Window), sky);

    form1()->sSkinManager1.setSkinName(StartSkinName());
}

TEST_F(MainWindowTest, ExitEndsTheProgramWhileSideWindowsAreOpen)
{
    tool("sBitBtn2")->click();
    QTimer::singleShot(0, [] { tool("sBitBtn9")->click(); });
    const int code = QApplication::exec();
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(form1()->isVisible());
    form1()->show();
}

// The windows go as the program ends, the shadow models' screens still open
// among them; a screen that closes as it goes is cleared by its model while
// it still has its picture.
TEST(ProgramEnd, TheWindowsGoWithTheShadowScreensOpen)
{
    std::unique_ptr<ProgramWindows> windows = CreateProgramWindows();
    for (const char* screen : {"TForm2", "TForm3"})
        windows->byName(screen)->show();
    QApplication::processEvents();
    windows.reset();
    EXPECT_EQ(windows, nullptr);
}

} // namespace
