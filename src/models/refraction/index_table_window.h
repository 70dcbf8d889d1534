// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm4;
}

// The table of refractive indices, opened from the refraction sheets.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    void sBitBtn1Click();

private:
    std::unique_ptr<Ui::TForm4> ui;
};
