// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/test_content.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;
class QTextEdit;

// A question as the pupil will see it in the test window: its text in the
// same box and its answers as the same buttons, 29 pixels apart. A click on
// an answer says whether the test would count it right.
class TestQuestionPreview : public QWidget {
    Q_OBJECT

public:
    explicit TestQuestionPreview(QWidget* parent = nullptr);

    // Question `number` of `count`.
    void Show(const TestQuestion& question, int number, int count);

    QString verdict() const;
    QList<QPushButton*> answerButtons() const { return buttons_; }

private:
    void answer(int number);

    TestQuestion question_;
    QLabel* place_;
    QTextEdit* text_;
    QScrollArea* answers_;
    QLabel* verdict_;
    QList<QPushButton*> buttons_;
};
