// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/glyph_button.h"
#include "ui/glyphs.h"
#include "ui/label_fx.h"

#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

const Glyph kGlyphs[] = {Glyph::HideModel, Glyph::Models,     Glyph::Dictionary, Glyph::Reference,  Glyph::Formulas,
                         Glyph::Questions, Glyph::Problems,   Glyph::Knowledge,  Glyph::Help,       Glyph::Exit,
                         Glyph::Refresh,   Glyph::Defaults,   Glyph::IndexTable, Glyph::Warning,    Glyph::ArrowUp,
                         Glyph::ArrowDown, Glyph::SpeechBubble, Glyph::Calculator, Glyph::SavePicture, Glyph::CopyPicture,
                         Glyph::PrintPicture, Glyph::FullScreen};

// The box of the pixels of `image` that pass `test`; empty when none do.
QRect boxOf(const QImage& image, const std::function<bool(QColor)>& test)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool opaque(QColor c)
{
    return c.alpha() > 128;
}

// Every button picture is drawn over a good part of its square at each size
// the buttons use, and looks like no other, so that each says what its button does.
TEST(Glyphs, EachIsAPictureOfItsOwnAtEverySize)
{
    std::vector<QImage> pictures;
    for (const Glyph glyph : kGlyphs) {
        SCOPED_TRACE(int(glyph));
        for (const int size : {16, 24, 32, 48}) {
            const QImage picture = GlyphPixmap(glyph, size).toImage();
            ASSERT_EQ(picture.size(), QSize(size, size));
            const QRect drawn = boxOf(picture, opaque);
            EXPECT_GE(drawn.width() * drawn.height(), size * size / 3) << size << " px";
        }
        const QImage picture = GlyphPixmap(glyph, 32).toImage();
        for (const QImage& other : pictures)
            EXPECT_NE(picture, other);
        pictures.push_back(picture);
    }
}

bool green(QColor c)
{
    return c.green() > 0x80 && c.green() > 2 * c.red() && c.green() > 2 * c.blue();
}

bool ink(QColor c)
{
    return c.lightness() < 60;
}

struct ButtonCase {
    const char* name;
    const char* caption;
    QSize size;
    int captionLines;  // 0: no caption, the glyph in the middle
};

void PrintTo(const ButtonCase& c, std::ostream* os)
{
    *os << c.name;
}

// The separate bands of rows that hold ink within `area`: the lines of a caption.
int inkLines(const QImage& image, const QRect& area)
{
    int lines = 0;
    bool inLine = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool any = false;
        for (int x = area.left(); x <= area.right() && !any; ++x)
            any = ink(image.pixelColor(x, y));
        lines += any && !inLine;
        inLine = any;
    }
    return lines;
}

class GlyphButtonLook : public ::testing::TestWithParam<ButtonCase> {};

// A tool button shows its glyph at its left, half-way down, and its caption
// beside the glyph, on two lines where one is too narrow; a button without a
// caption shows its glyph in the middle.
TEST_P(GlyphButtonLook, ShowsItsGlyphAndCaptionSideBySide)
{
    GlyphButton button;
    button.setStyleSheet(QStringLiteral("GlyphButton { background: white; border: none; color: black; }"));
    button.resize(GetParam().size);
    button.setIconSize(QSize(24, 24));
    button.setIcon(GlyphIcon(Glyph::Refresh));
    button.setText(QString::fromUtf8(GetParam().caption));
    const QImage image = button.grab().toImage();

    const QRect glyph = boxOf(image, green);
    ASSERT_FALSE(glyph.isEmpty());
    EXPECT_NEAR(glyph.center().y(), button.height() / 2, 2);
    if (GetParam().captionLines == 0) {
        EXPECT_NEAR(glyph.center().x(), button.width() / 2, 2);
        return;
    }
    EXPECT_LE(glyph.left(), 8);
    const QRect caption = boxOf(image, ink);
    EXPECT_GT(caption.left(), glyph.right()) << "the caption stands clear of the glyph";
    EXPECT_EQ(inkLines(image, caption), GetParam().captionLines);
}

INSTANTIATE_TEST_SUITE_P(Buttons, GlyphButtonLook,
                         ::testing::Values(ButtonCase{"one line", "МОДЕЛИ", {97, 41}, 1},
                                           ButtonCase{"two lines", "ОТВЕЧАЕМ НА ВОПРОСЫ", {121, 41}, 2},
                                           ButtonCase{"glyph only", "", {49, 41}, 0}));

// A switched-off button shows its glyph grayed, not in its colours.
TEST(GlyphButton, GraysItsGlyphWhenSwitchedOff)
{
    GlyphButton button;
    button.resize(97, 41);
    button.setIconSize(QSize(24, 24));
    button.setIcon(GlyphIcon(Glyph::Refresh));
    button.setText(QStringLiteral("МОДЕЛИ"));
    EXPECT_FALSE(boxOf(button.grab().toImage(), green).isEmpty());
    button.setEnabled(false);
    EXPECT_TRUE(boxOf(button.grab().toImage(), green).isEmpty());
}

struct EffectCase {
    const char* name;
    QColor text;
    QColor ground;
    bool darkShadow; // a dark shadow below and right of light text, else a light glow round dark text
};

void PrintTo(const EffectCase& c, std::ostream* os)
{
    *os << c.name;
}

class LabelEffect : public ::testing::TestWithParam<EffectCase> {};

// A label with effects draws its text in its colour and sets it off from any
// ground: light text casts a dark shadow down and to the right, dark text
// has a light glow all round.
TEST_P(LabelEffect, DrawsItsTextSetOffFromTheGround)
{
    QWidget ground;
    ground.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, GetParam().ground);
    ground.setPalette(palette);
    ground.resize(200, 40);
    LabelFX label(&ground);
    label.setGeometry(ground.rect());
    label.setStyleSheet(QStringLiteral("LabelFX { color: %1; font: bold 20px; }").arg(GetParam().text.name()));
    label.setText(QStringLiteral("█ █"));
    label.setAlignment(Qt::AlignCenter);
    ground.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ground));
    const QImage image = ground.grab().toImage();

    const QColor text = GetParam().text;
    const QRect letters = boxOf(image, [text](QColor c) { return c == text; });
    ASSERT_FALSE(letters.isEmpty()) << "the text is not drawn in its colour";
    // The lightness two pixels off the text's edges, left, right, above and below.
    const QPoint inside(letters.left() + 3, letters.center().y());
    const auto beside = [&](QPoint step) {
        const int x = step.x() < 0 ? letters.left() - 2 : step.x() > 0 ? letters.right() + 2 : inside.x();
        const int y = step.y() < 0 ? letters.top() - 2 : step.y() > 0 ? letters.bottom() + 2 : inside.y();
        return image.pixelColor(x, y).lightness() - GetParam().ground.lightness();
    };
    const int left = beside({-1, 0}), right = beside({1, 0}), above = beside({0, -1}), below = beside({0, 1});
    if (GetParam().darkShadow) {
        EXPECT_LE(std::max(right, below), -15) << "no shadow below and right of the text";
        EXPECT_GE(std::min(left, above), -3) << "a shadow above and left of the text";
    } else {
        EXPECT_GE(std::min({left, right, above, below}), 8) << "no glow round the text";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grounds, LabelEffect,
    ::testing::Values(EffectCase{"light text on a dark skin", QColor(0xCD, 0xD5, 0xDE), QColor(0x2F, 0x38, 0x45), true},
                      EffectCase{"dark text on a light skin", QColor(0x1F, 0x3B, 0x57), QColor(0x90, 0x98, 0xA0),
                                 false}));

} // namespace
