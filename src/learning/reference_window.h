// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm7;
}

// The brief reference sheet: two pictures that together make one printed
// page of sections, formulas and diagrams, in a scroll box.
class TForm7 : public QWidget {
    Q_OBJECT

public:
    explicit TForm7(QWidget* parent = nullptr);
    ~TForm7() override;

protected:
    // The two pictures take 9 MB decoded: they are read as the window opens,
    // again in a new language while it is open, and let go as it closes
    // (scripts/peak-memory counts every window open).
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showPictures();

    std::unique_ptr<Ui::TForm7> ui;
};
