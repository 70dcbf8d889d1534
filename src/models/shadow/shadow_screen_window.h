// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class TRxLabel;

namespace Ui {
class TForm2;
}

// The auxiliary screen of the one-source shadow model: the screen seen
// face-on. Only the model's redraw draws on it; its label fills the window,
// so a resized window is drawn round its new centre.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    // The white label the screen is drawn on.
    TRxLabel* screenLabel() const;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
