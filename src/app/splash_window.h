// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class TForm15;
}

// The borderless splash window shown while the program starts.
class TForm15 : public QWidget {
    Q_OBJECT

public:
    explicit TForm15(QWidget* parent = nullptr);
    ~TForm15() override;

    // Processes events until the splash timer has fired once.
    void WaitForTimer();
    bool TimerEnabled() const { return Timer1.isActive(); }

    // Stops the timer at its first tick, which ends the wait.
    void Timer1Timer();

    QTimer Timer1;

private:
    std::unique_ptr<Ui::TForm15> ui;
};
