// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A picture button: its glyph at the left and its caption centred in the
// room beside it, wrapped onto two lines when one is too narrow. A button
// that shows its glyph alone is named to a screen reader by its hint.
class GlyphButton : public QPushButton {
    Q_OBJECT

public:
    explicit GlyphButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};
