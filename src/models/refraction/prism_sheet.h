// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class PrismSheet;
}

// The triangular prism: a ray from a fixed point on a grid meets a glass
// prism of adjustable apex angle and index, bends at both faces, and may miss
// the prism or be totally reflected inside it.
class PrismSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit PrismSheet(QWidget* parent = nullptr);
    ~PrismSheet() override;

    // The redraw, bound to both track bars, the scroll bar and the refresh button.
    void sTrackBar12Change();
    // Restores alpha = 13, P = 45, s = 133, redrawing for each position that changes.
    void sBitBtn26Click();

    QList<QWidget*> readouts() const override;

private:
    // A warning picture and its label, always shown or hidden together.
    void showTotalReflection(bool shown);
    void showMiss(bool shown);

    std::unique_ptr<Ui::PrismSheet> ui;
};
