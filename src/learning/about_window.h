// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm16;
}

// The About window: what the program is for and who makes it.
class TForm16 : public QWidget {
    Q_OBJECT

public:
    explicit TForm16(QWidget* parent = nullptr);
    ~TForm16() override;

private:
    std::unique_ptr<Ui::TForm16> ui;
};
