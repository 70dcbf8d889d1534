// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class LensSheet;
}

// The lens as an optical instrument: a converging or diverging lens, an
// object on the axis and the construction of its image.
class LensSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit LensSheet(QWidget* parent = nullptr);
    ~LensSheet() override;

    // The redraw, bound to every control of the sheet but the default button.
    void sTrackBar14Change();
    // Restores d = 130, h1 = 54 and F = 97, redrawing for each position that changes.
    void sBitBtn27Click();

    QList<QWidget*> readouts() const override;

private:
    std::unique_ptr<Ui::LensSheet> ui;
};
