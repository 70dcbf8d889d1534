// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"
#include "ui/glyph_button.h"
#include "ui/glyphs.h"
#include "ui/keyboard_stepping.h"
#include "ui/skin_manager.h"
#include "ui/skins.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QRegularExpression>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

// What the focus drew round a control: the pixels it turned into the one
// colour it brought most of, and the pixels it left as they were that touch
// them.
struct Ring {
    QColor colour;
    int pixels = 0;
    QRect box;                     // of the ring's pixels
    bool closed = false;           // it encloses a quarter of its box and more
    std::vector<double> contrasts; // of the ring with each pixel left as it was touching it, lowest first
};

Ring FindRing(const QImage& unfocused, const QImage& focused)
{
    // A face shaded over a border that has grown by a pixel shifts its shades
    // by a unit or two: no one sees that as a change.
    const auto changedVisibly = [&](int x, int y) {
        return WcagContrast(unfocused.pixelColor(x, y), focused.pixelColor(x, y)) >= 1.1;
    };
    std::map<QRgb, int> brought;
    for (int y = 0; y < focused.height(); ++y)
        for (int x = 0; x < focused.width(); ++x)
            if (changedVisibly(x, y))
                ++brought[focused.pixel(x, y)];
    Ring ring;
    if (brought.empty())
        return ring;
    const QRgb colour = std::max_element(brought.begin(), brought.end(), [](const auto& a, const auto& b) {
                            return a.second < b.second;
                        })->first;
    ring.colour = QColor(colour);
    // The ring takes in the pixels it hardly changed, where the control's
    // edge had nearly its colour already.
    const auto isRing = [&](int x, int y) {
        return focused.pixel(x, y) == colour && unfocused.pixel(x, y) != colour;
    };
    const auto touched = [&](int x, int y) { return isRing(x, y) || changedVisibly(x, y); };
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (!isRing(x, y))
                continue;
            ++ring.pixels;
            ring.box |= QRect(x, y, 1, 1);
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (focused.rect().contains(x + dx, y + dy) && !touched(x + dx, y + dy))
                        ring.contrasts.push_back(WcagContrast(ring.colour, unfocused.pixelColor(x + dx, y + dy)));
        }
    }
    std::sort(ring.contrasts.begin(), ring.contrasts.end());

    // Closed: the pixels left as they were inside the ring's box cannot be
    // reached from the edge of the picture without crossing a touched pixel.
    std::vector<char> outside(size_t(focused.width()) * focused.height(), 0);
    std::vector<QPoint> open;
    const auto enter = [&](int x, int y) {
        if (!focused.rect().contains(x, y) || touched(x, y))
            return;
        char& seen = outside[size_t(y) * focused.width() + x];
        if (!seen) {
            seen = 1;
            open.push_back({x, y});
        }
    };
    for (int x = 0; x < focused.width(); ++x) {
        enter(x, 0);
        enter(x, focused.height() - 1);
    }
    for (int y = 0; y < focused.height(); ++y) {
        enter(0, y);
        enter(focused.width() - 1, y);
    }
    while (!open.empty()) {
        const QPoint p = open.back();
        open.pop_back();
        enter(p.x() + 1, p.y());
        enter(p.x() - 1, p.y());
        enter(p.x(), p.y() + 1);
        enter(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = ring.box.top(); y <= ring.box.bottom(); ++y)
        for (int x = ring.box.left(); x <= ring.box.right(); ++x)
            enclosed += !touched(x, y) && !outside[size_t(y) * focused.width() + x];
    ring.closed = enclosed * 4 >= ring.box.width() * ring.box.height();
    return ring;
}

template <typename Widget>
Widget* place(QWidget* parent, const QRect& geometry)
{
    auto* widget = new Widget(parent);
    widget->setGeometry(geometry);
    return widget;
}

QGroupBox* group(QWidget* window)
{
    auto* box = place<QGroupBox>(window, {8, 8, 404, 200});
    box->setTitle(QStringLiteral("ИСТОЧНИК"));
    return box;
}

// A kind of control as the program's windows show it: built on `window`,
// it returns the widget that takes the focus.
struct ControlKind {
    const char* name;
    std::function<QWidget*(QWidget* window)> build;
};

void PrintTo(const ControlKind& kind, std::ostream* os)
{
    *os << kind.name;
}

const std::vector<ControlKind> kControlKinds = {
    {"ToolButton",
     [](QWidget* window) -> QWidget* {
         auto* button = place<GlyphButton>(window, {20, 20, 121, 41});
         button->setIcon(GlyphIcon(Glyph::Reference));
         button->setIconSize(QSize(24, 24));
         button->setText(QStringLiteral("КРАТКИЙ СПРАВОЧНИК"));
         return button;
     }},
    {"AnswerInAScrollBox",
     [](QWidget* window) -> QWidget* {
         auto* box = place<QScrollArea>(window, {20, 20, 300, 150});
         auto* answers = new QWidget;
         answers->resize(290, 120);
         box->setWidget(answers);
         return place<QPushButton>(answers, {0, 29, 290, 25});
     }},
    {"RadioButton",
     [](QWidget* window) -> QWidget* {
         auto* button = place<QRadioButton>(group(window), {10, 24, 160, 20});
         button->setText(QStringLiteral("светящаяся точка"));
         button->setChecked(true);
         return button;
     }},
    {"CheckBox",
     [](QWidget* window) -> QWidget* {
         auto* box = place<QCheckBox>(group(window), {10, 24, 160, 20});
         box->setText(QStringLiteral("Линейка"));
         box->setChecked(true);
         return box;
     }},
    {"TrackBar",
     [](QWidget* window) -> QWidget* {
         auto* slider = place<QSlider>(group(window), {2, 40, 292, 30});
         slider->setOrientation(Qt::Horizontal);
         slider->setTickPosition(QSlider::TicksBelow);
         slider->setRange(0, 100);
         slider->setValue(50);
         MakeKeyboardOperable(slider);
         return slider;
     }},
    {"ScrollBar",
     [](QWidget* window) -> QWidget* {
         auto* bar = place<QScrollBar>(group(window), {2, 72, 159, 17});
         bar->setOrientation(Qt::Horizontal);
         bar->setRange(0, 100);
         bar->setValue(30);
         MakeKeyboardOperable(bar);
         return bar;
     }},
    {"ModelTab",
     [](QWidget* window) -> QWidget* {
         auto* tabs = place<QTabWidget>(window, {0, 48, 420, 160});
         tabs->addTab(new QWidget, QStringLiteral("ЛИНЗА КАК ОПТИЧЕСКИЙ ПРИБОР"));
         return tabs->findChild<QTabBar*>();
     }},
    {"TextBox",
     [](QWidget* window) -> QWidget* {
         auto* text = place<QTextEdit>(window, {20, 20, 300, 120});
         text->setReadOnly(true);
         text->setStyleSheet(QStringLiteral("background: #EDF2F9; color: black;"));
         text->setText(QStringLiteral("Угол падения равен углу отражения."));
         return text;
     }},
    {"LineEdit",
     [](QWidget* window) -> QWidget* {
         auto* edit = place<QLineEdit>(window, {20, 20, 175, 33});
         edit->setText(QStringLiteral("0"));
         return edit;
     }},
};

// A control of one kind on a window of its own, and a button elsewhere for
// the focus to go to; the keys move the focus, as a keyboard user moves it.
class FocusScene {
public:
    explicit FocusScene(const ControlKind& kind)
    {
        window_.resize(420, 300);
        control_ = kind.build(&window_);
        elsewhere_ = place<QPushButton>(&window_, {330, 260, 80, 30});
        window_.show();
        QApplication::setActiveWindow(&window_);
        elsewhere_->setFocus();
    }

    QWidget* control() const { return control_; }
    bool focusControl()
    {
        QTest::keyClick(elsewhere_, Qt::Key_Backtab);
        return QApplication::focusWidget() == control_;
    }
    bool focusElsewhere()
    {
        QTest::keyClick(control_, Qt::Key_Tab);
        return QApplication::focusWidget() == elsewhere_;
    }
    // The control and four pixels round it.
    QImage shot()
    {
        QApplication::processEvents();
        return window_.grab(QRect(control_->mapTo(&window_, QPoint(-4, -4)), control_->size() + QSize(8, 8)))
            .toImage();
    }

private:
    QWidget window_;
    QWidget* control_;
    QPushButton* elsewhere_;
};

void ExpectVisibleRing(const Ring& ring)
{
    ASSERT_GT(ring.pixels, 0) << "the focus changes nothing";
    EXPECT_TRUE(ring.closed) << "no closed ring of " << ring.colour.name().toStdString() << " in "
                             << ring.box.width() << "x" << ring.box.height();
    EXPECT_GE(std::min(ring.box.width(), ring.box.height()), 12) << "the ring is too small to see";
    ASSERT_FALSE(ring.contrasts.empty());
    EXPECT_GE(ring.contrasts.front(), 3.0) << "ring " << ring.colour.name().toStdString();
}

const ControlKind& KindNamed(const std::string& name)
{
    return *std::find_if(kControlKinds.begin(), kControlKinds.end(),
                         [&name](const ControlKind& kind) { return kind.name == name; });
}

class FocusRings : public ::testing::TestWithParam<std::tuple<int, ControlKind>> {};

// In every skin, giving a control the keyboard focus draws a closed ring of
// one colour round it or round its caption, whose contrast with every
// pixel it touches is 3:1 or more (WCAG 2.1 non-text contrast), and taking
// the focus away leaves the control exactly as it was.
TEST_P(FocusRings, ShowWhereTheFocusIs)
{
    const Skin& skin = BuiltInSkins().at(std::get<0>(GetParam()));
    SkinManager manager;
    manager.setSkinName(skin.name);
    FocusScene scene(std::get<1>(GetParam()));

    const QImage unfocused = scene.shot();
    ASSERT_TRUE(scene.focusControl());
    const QImage focused = scene.shot();
    ASSERT_TRUE(scene.focusElsewhere());
    EXPECT_EQ(scene.shot(), unfocused) << "the ring stays when the focus has gone";
    ExpectVisibleRing(FindRing(unfocused, focused));
    manager.setSkinName(StartSkinName());
}

// A skin put on while a control has the focus recolours its ring: a dark
// skin's light ring would vanish on a light skin's ground.
TEST(FocusRing, TakesTheColourOfASkinPutOnMeanwhile)
{
    SkinManager manager;
    manager.setSkinName(QStringLiteral("Vista (internal)"));
    FocusScene scene(KindNamed("TrackBar"));
    ASSERT_TRUE(scene.focusControl());
    manager.setSkinName(QStringLiteral("Acryl (internal)"));
    const QImage focused = scene.shot();
    ASSERT_TRUE(scene.focusElsewhere());
    ExpectVisibleRing(FindRing(scene.shot(), focused));
    manager.setSkinName(StartSkinName());
}

// A text box that grows with its window while it has the focus keeps the
// ring on its edge.
TEST(FocusRing, FollowsAControlThatGrows)
{
    SkinManager manager;
    FocusScene scene(KindNamed("TextBox"));
    ASSERT_TRUE(scene.focusControl());
    scene.control()->resize(380, 200);
    const QImage focused = scene.shot();
    ASSERT_TRUE(scene.focusElsewhere());
    ExpectVisibleRing(FindRing(scene.shot(), focused));
}

INSTANTIATE_TEST_SUITE_P(EverySkin, FocusRings, ::testing::Combine(::testing::Range(0, 8), ::testing::ValuesIn(kControlKinds)),
                         [](const ::testing::TestParamInfo<std::tuple<int, ControlKind>>& info) {
                             QString skin = BuiltInSkins().at(std::get<0>(info.param)).name;
                             skin = skin.left(skin.indexOf(QLatin1String(" (")));
                             skin.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
                             return (skin + QLatin1Char('_') + QLatin1String(std::get<1>(info.param).name)).toStdString();
                         });

} // namespace
