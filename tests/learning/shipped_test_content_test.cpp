// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/ini_file.h"

#include <gtest/gtest.h>

namespace {

// The test the program ships: every question has its answers, a key among
// them, and the right answer cannot be told by being the longest.
TEST(ShippedTest, LengthNeverGivesTheAnswerAway)
{
    const IniFile file(QStringLiteral(OPTIKA_DATA "/Test.ini"));
    const int count = file.ReadInteger(QStringLiteral("Тест"), QStringLiteral("Количество Вопросов "), -2);
    ASSERT_EQ(count, 20);
    for (int k = 1; k <= count; ++k) {
        const QString section = QStringLiteral("Вопрос №") + QString::number(k);
        const int answers = file.ReadInteger(section, QStringLiteral("Количество кнопок"), 0);
        const int key = file.ReadInteger(section, QStringLiteral("Правильный вариант"), -1);
        ASSERT_GE(answers, 3) << k;
        ASSERT_TRUE(key >= 1 && key <= answers) << k;
        int longestWrong = 0;
        for (int i = 1; i <= answers; ++i) {
            const QString text = file.ReadString(section, QStringLiteral("Текст кнопки ") + QString::number(i), {});
            ASSERT_FALSE(text.isEmpty()) << k << '/' << i;
            if (i != key)
                longestWrong = std::max<int>(longestWrong, text.size());
        }
        const int right = file.ReadString(section, QStringLiteral("Текст кнопки ") + QString::number(key), {}).size();
        EXPECT_LE(right, longestWrong) << "question " << k << ": the right answer is the longest";
    }
}

} // namespace
