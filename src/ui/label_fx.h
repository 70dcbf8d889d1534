// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label drawn with a soft shadow under light text, or a soft white glow
// round dark text, so it stands out on any skin.
class LabelFX : public QLabel {
    Q_OBJECT

public:
    explicit LabelFX(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void matchShadowToText();
};
