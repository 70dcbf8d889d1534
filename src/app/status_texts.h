// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <QWindow>

// The texts of the main window's status panels, each a prefix ending in two
// blanks followed by its value.

// "Время:  " and the current time in the user's long time format.
QString StatusTimeText();
// "Дата:  " and the current date in the user's short date format.
QString StatusDateText();
// "Подсказка экрана:  " and the hint of the control under the mouse pointer.
QString StatusHintText(const QWidget* underMouse);

// The hint of a control: its own, or that of the nearest container that has
// one; empty when none has.
QString HintOf(const QWidget* underMouse);

// Follows the mouse pointer from the events the program's windows receive,
// so that nobody has to ask the window system where the pointer is.
class PointerTracker : public QObject {
    Q_OBJECT

public:
    explicit PointerTracker(QObject* parent = nullptr);

    // The widget under the pointer, worked out again only after the pointer
    // moved or a widget was shown or hidden.
    QWidget* underMouse();

signals:
    // The pointer moved, or what lies under it may have changed.
    void moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWindow> window_; // the window the pointer is in, if it is in one of the program's
    QPoint position_;          // and where in it
    bool stale_ = false;
    QPointer<QWidget> underMouse_;
};
