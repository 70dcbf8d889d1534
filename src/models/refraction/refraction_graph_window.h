// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm13;
}

// The graph window of the angle of refraction against the angle of incidence.
class TForm13 : public QWidget {
    Q_OBJECT

public:
    explicit TForm13(QWidget* parent = nullptr);
    ~TForm13() override;

private:
    std::unique_ptr<Ui::TForm13> ui;
};
