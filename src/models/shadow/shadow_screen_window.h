// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QWidget>

#include <memory>

class TRxLabel;

namespace Ui {
class ShadowScreenWindow;
}

// How one auxiliary screen is laid out: its window's layout name and client size.
struct ScreenWindowLayout {
    const char* name;
    QSize clientSize;
};

// The auxiliary screens of the one-source and the two-source model.
extern const ScreenWindowLayout OneSourceScreenLayout;
extern const ScreenWindowLayout TwoSourceScreenLayout;

// An auxiliary screen of a shadow model: the screen seen face-on. Only its
// model's redraw draws on it; its label fills the window, so a resized window
// is drawn round its new centre.
class ShadowScreenWindow : public QWidget {
    Q_OBJECT

public:
    explicit ShadowScreenWindow(const ScreenWindowLayout& screen, QWidget* parent = nullptr);
    ~ShadowScreenWindow() override;

    // The white label the screen is drawn on.
    TRxLabel* screenLabel() const;

private:
    std::unique_ptr<Ui::ShadowScreenWindow> ui;
};
