// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class TRxLabel;

namespace Ui {
class TForm3;
}

// The auxiliary screen of the two-source shadow model: the screen seen
// face-on. Only the model's redraw draws on it; its label fills the window,
// so a resized window is drawn round its new centre.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

    // The white label the screen is drawn on.
    TRxLabel* screenLabel() const;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
