// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class ModelSheet;
class QLabel;

// A model's picture filling the screen, for a projector: drawn again at the
// screen's scale (lines thicker in proportion, letters sharp) with its
// readouts in a strip of large type below. The keys and the mouse wheel go
// on to the sheet's controls, so that the model is worked as before; Esc
// returns.
class FullScreenPicture : public QWidget {
    Q_OBJECT

public:
    explicit FullScreenPicture(ModelSheet& sheet);

    // Draws the picture and the readouts as the sheet shows them now.
    void Update();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* control() const;

    ModelSheet& sheet_;
    QLabel* picture_;
    QLabel* readouts_;
};
