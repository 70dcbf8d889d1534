// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class PlateSheet;
}

// The plane-parallel plate: a ray from a point source passes through a glass
// plate in air and leaves it parallel to itself, shifted sideways.
class PlateSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit PlateSheet(QWidget* parent = nullptr);
    ~PlateSheet() override;

    // The redraw, bound to both track bars, the scroll bar and the refresh button.
    void sTrackBar10Change();
    // Restores A = 45, t = 50, s = 150, redrawing for each position that changes.
    void sBitBtn23Click();

    QList<QWidget*> readouts() const override;

private:
    std::unique_ptr<Ui::PlateSheet> ui;
};
