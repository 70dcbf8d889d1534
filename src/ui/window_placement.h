// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QWidget>

// How a window of the program sits on the screen and which border buttons it
// has; its client size is the size its layout gives it.
struct WindowShape {
    bool centred = true;
    QPoint screenPosition; // used when not centred
    bool stayOnTop = false;
    bool minimiseButton = false;
    bool maximiseButton = false;
    bool resizable = false;

    static WindowShape Centred() { return {}; }
    static WindowShape At(int x, int y) { return WindowShape{false, QPoint(x, y)}; }
    WindowShape OnTop() const { return with(&WindowShape::stayOnTop); }
    WindowShape Minimisable() const { return with(&WindowShape::minimiseButton); }
    WindowShape Maximisable() const { return with(&WindowShape::maximiseButton); }
    WindowShape Resizable() const { return with(&WindowShape::resizable); }

private:
    WindowShape with(bool WindowShape::*flag) const
    {
        WindowShape shape = *this;
        shape.*flag = true;
        return shape;
    }
};

// Fixes the window's client size at its present size, sets its border
// buttons and places it.
void ShapeWindow(QWidget* window, const WindowShape& shape);

// A hidden window keeps no image of itself: its backing store, a picture of
// the whole window, shrinks as it hides and grows again as it shows. The
// program keeps twenty windows for its whole run, few of them shown; the
// peak memory of a session that opens each (scripts/peak-memory, within
// 90 MB) needs it.
void ReleaseWhileHidden(QWidget* window);

// A plain modeless show: an open window only comes to the front.
void ShowModeless(QWidget* window);
