// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm10;
}

// The main formulas: seven captions, each beside the picture of its formula.
class TForm10 : public QWidget {
    Q_OBJECT

public:
    explicit TForm10(QWidget* parent = nullptr);
    ~TForm10() override;

private:
    // The formulas' pictures in the language installed.
    void showPictures();

    std::unique_ptr<Ui::TForm10> ui;
};
