// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/grading.h"

#include "ui/language.h"

#include <QCoreApplication>

int MarkFor(int right, int questions)
{
    // Halves round up; in whole numbers, so that 71 of 200 gives 36.
    const qint64 outOf100 = (qint64(200) * right + questions) / (qint64(2) * questions);
    for (const MarkRange& range : kGradingTable) {
        if (outOf100 <= range.to)
            return range.mark;
    }
    return kGradingTable.back().mark;
}

QString PointsText(int points)
{
    // Russian, the language the texts are written in, has no translation
    // of its own to give the plural forms of "%n балл(ов)"; a translation
    // gives its own.
    if (!IsSourceLanguage())
        return QCoreApplication::translate("Grading", "%n балл(ов)", nullptr, points);
    const int tens = points % 100;
    const int ones = points % 10;
    const char16_t* word = u"баллов";
    if (tens < 11 || tens > 14) {
        if (ones == 1)
            word = u"балл";
        else if (ones >= 2 && ones <= 4)
            word = u"балла";
    }
    return QString::number(points) + QLatin1Char(' ') + QString::fromUtf16(word);
}

QString ResultLine(int right, int questions)
{
    return QCoreApplication::translate("Grading", "%1 из %2: оценка %3")
        .arg(PointsText(right * kPointsPerAnswer))
        .arg(questions * kPointsPerAnswer)
        .arg(MarkFor(right, questions));
}
