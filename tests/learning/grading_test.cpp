// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/grading.h"
#include "learning/grading_window.h"
#include "ui/rz_led_display.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

// The window's displays, row by row, and the table the marks come from.
TEST(Grading, TheWindowShowsTheTableTheMarksComeFrom)
{
    TForm19 window;
    const char* rowLabels[] = {"sLabelFX4", "sLabelFX1", "sLabelFX2", "sLabelFX3"};
    for (int row = 0; row < 4; ++row) {
        const MarkRange& range = kGradingTable[row];
        const auto display = [&window](int n) {
            return window.findChild<TRzLEDDisplay*>(QStringLiteral("RzLEDDisplay%1").arg(n))->caption();
        };
        EXPECT_EQ(window.findChild<QLabel*>(rowLabels[row])->text(), QStringLiteral("ОЦЕНКА \"%1\"").arg(range.mark));
        EXPECT_EQ(display(2 * row + 1), QString::number(range.from));
        EXPECT_EQ(display(2 * row + 2), QString::number(range.to));
    }
}

TEST(Grading, PointsTakeTheirPlural)
{
    const std::pair<int, const char*> cases[] = {{0, "0 баллов"},   {1, "1 балл"},     {2, "2 балла"},     {4, "4 балла"},
                                                 {5, "5 баллов"},   {11, "11 баллов"}, {14, "14 баллов"}, {21, "21 балл"},
                                                 {22, "22 балла"},  {25, "25 баллов"}, {101, "101 балл"}, {111, "111 баллов"},
                                                 {112, "112 баллов"}, {1000, "1000 баллов"}};
    for (const auto& [points, text] : cases)
        EXPECT_EQ(PointsText(points), QString::fromUtf8(text));
}

} // namespace
