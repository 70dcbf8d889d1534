// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

// The row of picture buttons (save, copy, print, full screen) beside the tab
// of the model shown: each button runs its action of that model's sheet.
class PictureButtons : public QWidget {
    Q_OBJECT

public:
    explicit PictureButtons(QWidget* parent = nullptr);

    // The buttons from now on act on `sheet`; a widget without picture
    // actions leaves them disabled.
    void Follow(QWidget* sheet);

private:
    QList<QToolButton*> buttons_;
};
