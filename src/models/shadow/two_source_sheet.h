// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class TwoSourceShadowSheet;
}

class ShadowScreenWindow;

// Shadow and penumbra from two point sources round one obstacle: each
// source's shadow on the screen hatched its own way, so that the full shadow
// where they overlap shows cross-hatched, seen from the side and, on the
// auxiliary screen, face-on.
class TwoSourceShadowSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit TwoSourceShadowSheet(QWidget* parent = nullptr);
    ~TwoSourceShadowSheet() override;

    // The redraw, bound to every control of the sheet but the default button.
    // It keeps both sources far enough from the obstacle for their rays to
    // reach the screen at every angle.
    void sTrackBar3Change();
    // Restores the angles 10 and -10, the distances 180, 400 and 400 and the
    // obstacle's size 20, redrawing for each position that changes.
    void sBitBtn15Click();

    QList<QWidget*> readouts() const override;
    QList<TRxLabel*> sideCanvases() const override;

protected:
    // Every redraw also draws the auxiliary screen.
    void sideWindowsAttached(const SideWindows& windows) override;

private:
    std::unique_ptr<Ui::TwoSourceShadowSheet> ui;
    ShadowScreenWindow* screen_ = nullptr;
};
