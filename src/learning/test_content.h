// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a test file says, as the test window asks it: the title and the
// questions 1, 2, … in their order.
struct TestQuestion {
    QString text;
    QStringList answers;
    int correct = 0; // 1-based; 0 when no answer is marked right

    friend bool operator==(const TestQuestion& a, const TestQuestion& b)
    {
        return a.text == b.text && a.answers == b.answers && a.correct == b.correct;
    }
    friend bool operator!=(const TestQuestion& a, const TestQuestion& b) { return !(a == b); }
};

struct TestContent {
    QString title;
    QList<TestQuestion> questions;

    friend bool operator==(const TestContent& a, const TestContent& b)
    {
        return a.title == b.title && a.questions == b.questions;
    }
    friend bool operator!=(const TestContent& a, const TestContent& b) { return !(a == b); }
};

// The answer buttons the test window shows without scrolling.
constexpr int kTestWindowAnswers = 8;
// More answers than this in a file are a slip of the teacher's keyboard: the
// test window and the editor take no more.
constexpr int kMostAnswersRead = 50;

// The problems that would show in front of a class, one message each, naming
// the question: an empty text or answer, no right answer marked, two equal
// answers, fewer than two answers or more than the test window shows.
QStringList CheckTest(const TestContent& content);
