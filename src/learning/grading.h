// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The grading table: the school mark for the points out of 100, as the
// grading window shows it.
struct MarkRange {
    int mark;
    int from;
    int to;
};
constexpr std::array<MarkRange, 4> kGradingTable{{{2, 0, 35}, {3, 36, 55}, {4, 56, 75}, {5, 76, 100}}};

// Five points a right answer.
constexpr int kPointsPerAnswer = 5;

// The mark of `right` answers out of `questions` (at least one): the table
// applied to the points scaled to 100 and rounded to the nearest whole.
int MarkFor(int right, int questions);

// "1 балл", "2 балла", "5 баллов", "21 балл", …
QString PointsText(int points);

// The line of the final message: "95 баллов из 100: оценка 5".
QString ResultLine(int right, int questions);
