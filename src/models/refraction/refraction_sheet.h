// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class RefractionSheet;
}

class TForm12;

// The law of refraction: a ray from medium 1 above to medium 2 below, the
// reflected and refracted rays, the limiting angle and total internal reflection.
class RefractionSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit RefractionSheet(QWidget* parent = nullptr);
    ~RefractionSheet() override;

    // The redraw, bound to the track bar, both scroll bars and the refresh button.
    void sTrackBar9Change();
    // Restores p = 90, s1 = 100, s2 = 200, redrawing for each position that changes.
    void sBitBtn19Click();

    QList<QWidget*> readouts() const override;

protected:
    // Every redraw fills the two displays of the light-speed window.
    void sideWindowsAttached(const SideWindows& windows) override;

private:
    std::unique_ptr<Ui::RefractionSheet> ui;
    TForm12* lightSpeedWindow_ = nullptr;
};
