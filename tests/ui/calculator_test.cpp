// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calc_edit.h"
#include "ui/calculator.h"

#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Presses the keys a line stands for: the typed characters of the keyboard,
// and ~ for the sign, C for clear, < for back-space.
void pressAll(Calculator& calculator, const QString& keys)
{
    for (QChar c : keys) {
        if (c == QLatin1Char('~'))
            calculator.Press(Calculator::Key::Sign);
        else if (c == QLatin1Char('C'))
            calculator.Press(Calculator::Key::Clear);
        else if (c == QLatin1Char('<'))
            calculator.Press(Calculator::Key::BackSpace);
        else if (const auto key = Calculator::KeyOfCharacter(c))
            calculator.Press(*key);
        else
            FAIL() << "no key for " << QString(c).toStdString();
    }
}

struct Sum {
    const char* name;
    const char* keys;
    const char* display;
};

void PrintTo(const Sum& sum, std::ostream* os)
{
    *os << sum.keys;
}

class Arithmetic : public ::testing::TestWithParam<Sum> {};

TEST_P(Arithmetic, ShowsTheResult)
{
    Calculator calculator;
    pressAll(calculator, QString::fromUtf8(GetParam().keys));
    EXPECT_EQ(calculator.Display(), QString::fromUtf8(GetParam().display));
}

const QString kManyNines = QStringLiteral("999999999999999");

INSTANTIATE_TEST_SUITE_P(Calculator, Arithmetic, ::testing::Values(
    Sum{"StartsAtZero", "", "0"},
    Sum{"WorksFromLeftToRight", "2+3*4=", "20"},
    Sum{"DividesWithADecimalComma", "7/2=", "3,5"},
    Sum{"HidesBinaryRoundingNoise", "0,1+0,2=", "0,3"},
    Sum{"ShowsFifteenDigits", "1/3=", "0,333333333333333"},
    Sum{"GoesBelowZero", "5-9=", "-4"},
    Sum{"TakesTheRoot", "9@", "3"},
    Sum{"TakesAnIrrationalRoot", "2@", "1,4142135623731"},
    Sum{"ComputesBeforeTheNextOperation", "6/4*2=", "3"},
    Sum{"TakesAPercentOfTheLeftOperand", "200+10%=", "220"},
    Sum{"TakesAPercentAsAHundredth", "50*10%=", "5"},
    Sum{"RepeatsTheLeftOperand", "3+=", "6"},
    Sum{"LetsTheLastOperationKeyWin", "3+-2=", "1"},
    Sum{"ChangesTheSignOfAnEntry", "1,5~", "-1,5"},
    Sum{"ChangesTheSignOfAResult", "2*3=~", "-6"},
    Sum{"UsesANegatedOperand", "10-4~=", "14"},
    Sum{"KeepsOneComma", "1,,5", "1,5"},
    Sum{"AcceptsAPoint", "2.5*2=", "5"},
    Sum{"ErasesDigits", "12<<3", "3"},
    Sum{"LeavesAResultAloneOnBackSpace", "2*4=<", "8"},
    Sum{"KeepsFifteenDigits", "1234567890123456", "123456789012345"},
    Sum{"ClearsEverything", "2+3C4=", "4"},
    Sum{"FailsOnDivisionByZero", "1/0=", "Ошибка"},
    Sum{"FailsOnDivisionByZeroBeforeTheNextOperation", "1/0+", "Ошибка"},
    Sum{"FailsOnTheRootOfANegativeNumber", "9~@", "Ошибка"},
    Sum{"FailsOnOverflow", "999999999999999*=*=*=*=*=", "Ошибка"},
    Sum{"IgnoresOperationsAfterAnError", "1/0=+2=", "2"},
    Sum{"StartsAfreshWithADigitAfterAnError", "1/0=5", "5"},
    Sum{"ClearsAnError", "1/0=C", "0"},
    Sum{"ClearsAnErrorOnBackSpace", "9~@<", "0"}),
    [](const ::testing::TestParamInfo<Sum>& info) { return std::string(info.param.name); });

TEST(Calculator, HasNoValueAfterAnError)
{
    Calculator calculator;
    pressAll(calculator, QStringLiteral("4/0="));
    EXPECT_FALSE(calculator.Value().has_value());
    calculator.SetValue(2.5);
    EXPECT_EQ(calculator.Value(), 2.5);
    EXPECT_EQ(calculator.Display(), "2,5");
}

class CalcEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    CalculatorPopup& openCalculator()
    {
        box.ShowCalculator();
        EXPECT_TRUE(box.calculator()->isVisible());
        return *box.calculator();
    }

    CalcEdit box;
};

TEST_F(CalcEditTest, TakesTypedNumbersWithACommaOnly)
{
    box.clear();
    QTest::keyClicks(&box, QStringLiteral("1a2,5x"));
    EXPECT_EQ(box.text(), "12,5");
    EXPECT_EQ(box.value(), 12.5);
}

TEST_F(CalcEditTest, CalculatorStartsFromTheBoxAndPutsItsResultThere)
{
    box.setText(QStringLiteral("1,5"));
    CalculatorPopup& calculator = openCalculator();
    EXPECT_EQ(calculator.display(), "1,5");
    QTest::keyClicks(&calculator, QStringLiteral("*4"));
    EXPECT_EQ(calculator.display(), "4");
    EXPECT_EQ(box.text(), "1,5");
    QTest::keyClick(&calculator, Qt::Key_Return);
    EXPECT_EQ(box.text(), "6");
    EXPECT_FALSE(calculator.isVisible());
}

TEST_F(CalcEditTest, KeysOfThePadWork)
{
    CalculatorPopup& calculator = openCalculator();
    for (const char* caption : {"C", "8", "1", "√", "+", "2", "="})
        calculator.key(QString::fromUtf8(caption))->click();
    EXPECT_EQ(calculator.display(), "11");
    EXPECT_EQ(box.text(), "11");
    EXPECT_TRUE(calculator.isVisible());
}

TEST_F(CalcEditTest, AnErrorLeavesTheBoxAsItWas)
{
    box.setText(QStringLiteral("7"));
    CalculatorPopup& calculator = openCalculator();
    QTest::keyClicks(&calculator, QStringLiteral("/0="));
    EXPECT_EQ(calculator.display(), "Ошибка");
    QTest::keyClick(&calculator, Qt::Key_Return);
    EXPECT_EQ(box.text(), "7");
}

TEST_F(CalcEditTest, KeyboardSignClearAndBackSpace)
{
    CalculatorPopup& calculator = openCalculator();
    QTest::keyClicks(&calculator, QStringLiteral("125"));
    QTest::keyClick(&calculator, Qt::Key_Backspace);
    QTest::keyClick(&calculator, Qt::Key_F9);
    EXPECT_EQ(calculator.display(), "-12");
    QTest::keyClick(&calculator, Qt::Key_Delete);
    EXPECT_EQ(calculator.display(), "0");
    QTest::keyClick(&calculator, Qt::Key_Escape);
    EXPECT_FALSE(calculator.isVisible());
    EXPECT_EQ(box.text(), "0");
}

} // namespace
