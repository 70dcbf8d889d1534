// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <memory>

namespace Ui {
class ReflectionSheet;
}

// The law of reflection: a mirror tilted by F through the centre of a
// protractor, a ray falling at A from the vertical, and its reflection.
class ReflectionSheet : public ModelSheet {
    Q_OBJECT

public:
    explicit ReflectionSheet(QWidget* parent = nullptr);
    ~ReflectionSheet() override;

    // The redraw, bound to both track bars and the refresh button.
    void sTrackBar7Change();
    // Restores A = 45 and F = 10, redrawing for each position that changes.
    void sBitBtn17Click();

    QList<QWidget*> readouts() const override;

private:
    std::unique_ptr<Ui::ReflectionSheet> ui;
};
