// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class PlaneMirrorSheet;
}

// The plane mirror: a luminous point or an arrow in front of a vertical
// mirror, its image as far behind it, and the rays that construct the image.
class PlaneMirrorSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit PlaneMirrorSheet(QWidget* parent = nullptr);
    ~PlaneMirrorSheet() override;

    // The redraw, bound to every control of the sheet but the default button.
    void sTrackBar8Change();
    // Restores X = 200, h = 100 and Y = 0, redrawing for each position that
    // changes; the object kind, the extra rays and the ruler stay.
    void sBitBtn22Click();

    // The seven readouts, then the ruler's check box, whose enabled state
    // follows the object kind.
    QList<QWidget*> readouts() const override;

private:
    std::unique_ptr<Ui::PlaneMirrorSheet> ui;
};
