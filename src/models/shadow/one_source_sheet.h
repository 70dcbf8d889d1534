// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class OneSourceShadowSheet;
}

class ShadowScreenWindow;

// Shadow and penumbra from one source: a point or extended source, a round
// obstacle and a screen, seen from the side and, on the auxiliary screen,
// face-on.
class OneSourceShadowSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit OneSourceShadowSheet(QWidget* parent = nullptr);
    ~OneSourceShadowSheet() override;

    // The redraw, bound to every control of the sheet but the default button.
    void sTrackBar1Change();
    // Restores the sizes 40 and 30 and the distances 360 and 800, redrawing
    // for each position that changes.
    void sBitBtn12Click();

    QList<QWidget*> readouts() const override;
    QList<TRxLabel*> sideCanvases() const override;

protected:
    // Every redraw also draws the auxiliary screen.
    void sideWindowsAttached(const SideWindows& windows) override;

private:
    std::unique_ptr<Ui::OneSourceShadowSheet> ui;
    ShadowScreenWindow* screen_ = nullptr;
};
