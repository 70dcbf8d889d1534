// SPDX-License-Identifier: GPL-3.0-or-later
#include "formula.h"

#include <gtest/gtest.h>

namespace {

const Formula::Run* runOf(const Formula& formula, const QString& text)
{
    for (const Formula::Run& run : formula.runs()) {
        if (run.text.trimmed() == text)
            return &run;
    }
    ADD_FAILURE() << "no run " << text.toStdString();
    return nullptr;
}

TEST(Formula, AFractionStandsOverAndUnderABarAsWideAsBoth)
{
    const Formula formula(QStringLiteral("\\frac{1}{d}"), 24);
    ASSERT_EQ(formula.bars().size(), 1);
    const QLineF bar = formula.bars().front();
    EXPECT_EQ(bar.y1(), bar.y2());
    const Formula::Run* upper = runOf(formula, QStringLiteral("1"));
    const Formula::Run* lower = runOf(formula, QStringLiteral("d"));
    ASSERT_TRUE(upper && lower);
    EXPECT_LT(upper->baseline, bar.y1());
    EXPECT_GT(lower->box.top(), bar.y1());
    EXPECT_LE(bar.x1(), std::min(upper->box.left(), lower->box.left()));
    EXPECT_GE(bar.x2(), std::max(upper->box.right(), lower->box.right()));
    EXPECT_GE(formula.size().height(), lower->box.bottom());
}

TEST(Formula, ASubscriptIsSmallerAndLower)
{
    const Formula formula(QStringLiteral("n_{21}"), 24);
    const Formula::Run* base = runOf(formula, QStringLiteral("n"));
    const Formula::Run* sub = runOf(formula, QStringLiteral("21"));
    ASSERT_TRUE(base && sub);
    EXPECT_LT(sub->font.pixelSize(), base->font.pixelSize());
    EXPECT_GT(sub->baseline, base->baseline);
    EXPECT_GE(sub->box.left(), base->box.left() + base->box.width() * 0.5);
}

struct RunStyle {
    const char* source;
    const char* run;
    bool italic;
};

void PrintTo(const RunStyle& style, std::ostream* os)
{
    *os << style.source << " / " << style.run;
}

class FormulaRunStyle : public ::testing::TestWithParam<RunStyle> {};

// A lone letter is a quantity and leans; a word, a function's name or the
// words of a subscript in either language, stands upright as one run.
TEST_P(FormulaRunStyle, ALetterIsItalicAWordUpright)
{
    const Formula formula(QString::fromUtf8(GetParam().source), 24);
    const Formula::Run* run = runOf(formula, QString::fromUtf8(GetParam().run));
    ASSERT_TRUE(run);
    EXPECT_EQ(run->font.italic(), GetParam().italic);
}

INSTANTIATE_TEST_SUITE_P(Formula, FormulaRunStyle, ::testing::Values(
    RunStyle{"sin α_0 = \\frac{1}{n}", "sin", false},
    RunStyle{"sin α_0 = \\frac{1}{n}", "α", true},
    RunStyle{"sin α_0 = \\frac{1}{n}", "0", false},
    RunStyle{"sin α_0 = \\frac{1}{n}", "n", true},
    RunStyle{"n_{среды} = \\frac{c}{v_{света в среде}}", "n", true},
    RunStyle{"n_{среды} = \\frac{c}{v_{света в среде}}", "среды", false},
    RunStyle{"n_{среды} = \\frac{c}{v_{света в среде}}", "света в среде", false},
    RunStyle{"n_{medium} = \\frac{c}{v_{light in medium}}", "medium", false},
    RunStyle{"n_{medium} = \\frac{c}{v_{light in medium}}", "light in medium", false},
    RunStyle{"n_{medium} = \\frac{c}{v_{light in medium}}", "c", true},
    RunStyle{"n_{medium} = \\frac{c}{v_{light in medium}}", "v", true},
    RunStyle{"\\frac{v_{light 1}}{v_{light 2}}", "light 1", false},
    RunStyle{"\\frac{v_{света 1}}{v_{света 2}}", "света 2", false},
    RunStyle{"Γ = \\frac{h_2}{h_1}", "h", true},
    RunStyle{"Γ = \\frac{h_2}{h_1}", "1", false}));

TEST(Formula, AHyphenIsSetAsAMinusSign)
{
    const Formula formula(QStringLiteral("Γ = -\\frac{f}{d}"), 24);
    bool minus = false, hyphen = false;
    for (const Formula::Run& run : formula.runs()) {
        minus = minus || run.text.contains(QChar(0x2212));
        hyphen = hyphen || run.text.contains(QLatin1Char('-'));
    }
    EXPECT_TRUE(minus);
    EXPECT_FALSE(hyphen);
}

TEST(Formula, APictureShrinksTheFormulaUntilItFits)
{
    const QString source = QStringLiteral("\\frac{sin α}{sin β} = n_{21} = \\frac{v_{света 1}}{v_{света 2}} = \\frac{n_2}{n_1}");
    ASSERT_GT(Formula(source, 26).size().width(), 240);
    const QImage picture = FormulaPicture(source, {240, 88}, 26);
    ASSERT_EQ(picture.size(), QSize(240, 88));
    int dark = 0, darkAtTheEdge = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const bool ink = picture.pixelColor(x, y).lightness() < 128;
            dark += ink;
            darkAtTheEdge += ink && (x >= picture.width() - 4 || y < 2 || y >= picture.height() - 2);
        }
    }
    EXPECT_GT(dark, 200);
    EXPECT_EQ(darkAtTheEdge, 0);
}

} // namespace
