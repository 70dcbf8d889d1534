// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>

// One built-in look of the program: the colours a style sheet and palette are
// made of. LED readouts and model canvases keep their own colours in every skin.
struct Skin {
    QString name;
    QColor window;       // window and sheet ground
    QColor windowText;
    QColor panel;        // ground of group boxes
    QColor border;
    QColor caption;      // captions inside group boxes and labels with effects
    QColor title;        // group box titles
    QColor buttonTop;    // button face, shaded from top to bottom
    QColor buttonBottom;
    QColor buttonText;
    QColor hoverTop;
    QColor hoverBottom;
    QColor highlight;
    QColor focus;        // ring round the control with the keyboard focus: 3:1 and more
                         // against the window, group and button colours
    int radius;          // corner radius of buttons and group boxes
};

// The eight skins, in the order of the skin chooser.
const QList<Skin>& BuiltInSkins();

// The skin in force when the program starts.
QString StartSkinName();
