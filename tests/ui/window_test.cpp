// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/balloon_hints.h"
#include "ui/drag_bar.h"
#include "ui/skin_manager.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QBackingStore>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ShapeCase {
    const char* name;
    WindowShape shape;
    bool centred;
    QPoint position; // when not centred
};

void PrintTo(const ShapeCase& c, std::ostream* os)
{
    *os << c.name;
}

class WindowPlacement : public ::testing::TestWithParam<ShapeCase> {};

// A window stands where its shape says, at the size its layout gives it,
// with the border buttons of its shape; only a resizable one can be resized.
TEST_P(WindowPlacement, PutsTheWindowWhereAskedAtItsLayoutSize)
{
    const WindowShape& shape = GetParam().shape;
    QWidget window;
    window.resize(571, 537);
    ShapeWindow(&window, shape);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint expected = GetParam().centred ? available.center() - QPoint(571 / 2, 537 / 2) : GetParam().position;
    EXPECT_EQ(window.frameGeometry().topLeft(), expected);
    EXPECT_EQ(window.size(), QSize(571, 537));
    EXPECT_EQ(window.minimumSize() == window.maximumSize(), !shape.resizable);

    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowStaysOnTopHint), shape.stayOnTop);
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), shape.minimiseButton);
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), shape.maximiseButton);
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, WindowPlacement,
    ::testing::Values(ShapeCase{"centred", WindowShape::Centred(), true, {}},
                      ShapeCase{"main window", WindowShape::Centred().Minimisable(), true, {}},
                      ShapeCase{"side window on top", WindowShape::At(291, 217).OnTop(), false, {291, 217}},
                      ShapeCase{"skin chooser", WindowShape::At(372, 231).Minimisable().Maximisable(), false,
                                {372, 231}},
                      ShapeCase{"screen window", WindowShape::Centred().OnTop().Resizable(), true, {}}));

// Showing an open window again brings it to the front without a second one.
// A hidden window holds no picture of itself; shown again, it paints its
// whole picture anew.
TEST(ReleaseWhileHidden, AHiddenWindowKeepsNoImageAndPaintsWholeAgain)
{
    struct Window : QWidget {
        QRegion painted;
        void paintEvent(QPaintEvent* event) override { painted += event->region(); }
    } window;
    window.resize(300, 200);
    ReleaseWhileHidden(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QBackingStore* store = window.backingStore();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->size(), QSize(300, 200));

    window.hide();
    EXPECT_EQ(store->size(), QSize(1, 1));

    window.painted = QRegion();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
    EXPECT_EQ(store->size(), QSize(300, 200));
    EXPECT_EQ(window.painted, QRegion(0, 0, 300, 200));
}

TEST(ShowModeless, BringsAnOpenWindowToTheFront)
{
    QWidget first, second;
    for (QWidget* window : {&first, &second})
        window->resize(200, 100);
    ShowModeless(&first);
    ShowModeless(&second);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    ShowModeless(&first);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&first));
    EXPECT_TRUE(first.isVisible());
    EXPECT_TRUE(second.isVisible());
}

// A mouse event on the drag bar at a point of the screen.
void sendMouse(DragBar& bar, QEvent::Type type, Qt::MouseButton button, QPoint global)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(bar.mapFromGlobal(global)), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(&bar, &event);
}

struct DragCase {
    const char* name;
    Qt::MouseButton button;
    QPoint drag;  // how far the mouse moves while held
    QPoint moved; // how far the window moves
};

void PrintTo(const DragCase& c, std::ostream* os)
{
    *os << c.name;
}

class DragBarDrag : public ::testing::TestWithParam<DragCase> {};

// Dragging the strip along a window's foot with the left button carries the
// window with the mouse; the right button leaves it where it is.
TEST_P(DragBarDrag, MovesItsWindowWithTheMouse)
{
    QWidget window;
    window.resize(672, 562);
    DragBar bar(&window);
    bar.setGeometry(0, 544, 672, 18);
    bar.setCaption(QStringLiteral("МОДЕЛИ"));
    window.move(100, 80);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.frameGeometry().topLeft();

    const Qt::MouseButton button = GetParam().button;
    QPoint mouse = bar.mapToGlobal(QPoint(300, 9));
    sendMouse(bar, QEvent::MouseButtonPress, button, mouse);
    for (int step = 1; step <= 4; ++step)
        sendMouse(bar, QEvent::MouseMove, button, mouse + GetParam().drag * step / 4);
    sendMouse(bar, QEvent::MouseButtonRelease, button, mouse + GetParam().drag);
    EXPECT_EQ(window.frameGeometry().topLeft(), start + GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragBarDrag,
    ::testing::Values(DragCase{"left button", Qt::LeftButton, {40, 25}, {40, 25}},
                      DragCase{"up and left", Qt::LeftButton, {-60, -70}, {-60, -70}},
                      DragCase{"right button", Qt::RightButton, {40, 25}, {0, 0}}));

// Waits until the hint is shown or hidden, at most `limit` ms; returns the time taken.
int waitForHint(bool shown, int limit)
{
    QElapsedTimer clock;
    clock.start();
    while (QToolTip::isVisible() != shown && clock.elapsed() < limit)
        QTest::qWait(10);
    return int(clock.elapsed());
}

// A hint pops up as a balloon a moment after the mouse comes to rest on its
// control, sooner than the usual 700 ms, in the balloon's bold black type on
// pale yellow, and goes when the mouse leaves the control.
TEST(BalloonHints, AppearOverTheirControlAndGo)
{
    // The program's style for this test only; the others keep theirs.
    struct StyleBack {
        QString name = QApplication::style()->name();
        ~StyleBack() { QApplication::setStyle(QStyleFactory::create(name)); }
    } styleBack;
    InstallBalloonHints(*qApp);
    SkinManager skins;

    QWidget window;
    window.resize(300, 100);
    QLabel control(QStringLiteral("МОДЕЛИ"), &window);
    control.setGeometry(10, 10, 120, 40);
    control.setToolTip(QStringLiteral("Выбор модели"));
    QLabel bare(QStringLiteral("без подсказки"), &window);
    bare.setGeometry(170, 10, 120, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseMove(&window, QPoint(150, 80));
    QTest::mouseMove(&control, QPoint(60, 20));
    EXPECT_LT(waitForHint(true, 2000), 650);
    EXPECT_EQ(QToolTip::text(), "Выбор модели");
    const auto tips = QApplication::topLevelWidgets();
    const auto tip = std::find_if(tips.begin(), tips.end(), [](QWidget* w) {
        return w->inherits("QTipLabel") && w->isVisible();
    });
    ASSERT_NE(tip, tips.end());
    EXPECT_TRUE((*tip)->font().bold());
    EXPECT_EQ((*tip)->font().pixelSize(), 13);
    const QImage balloon = (*tip)->grab().toImage();
    EXPECT_EQ(balloon.pixelColor(balloon.width() / 2, 4), QColor(0xFF, 0xFF, 0xE1));

    QTest::mouseMove(&bare, QPoint(60, 20));
    EXPECT_LT(waitForHint(false, 2000), 2000) << "the hint stays after the mouse left";
}

} // namespace
