#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

// How a window of the program sits on the screen and which border buttons it has.
struct WindowShape {
    QSize clientSize;
    bool centred = true;
    QPoint screenPosition;       // used when not centred
    bool stayOnTop = false;
    bool minimiseButton = false;
    bool maximiseButton = false;
    bool resizable = false;
};

// Fixes the window's client size and border buttons and places it.
void ShapeWindow(QWidget* window, const WindowShape& shape);

// A plain modeless show: an open window only comes to the front.
void ShowModeless(QWidget* window);
