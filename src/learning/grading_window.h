// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm19;
}

// The grading criteria: the fixed table that turns points into marks.
class TForm19 : public QWidget {
    Q_OBJECT

public:
    explicit TForm19(QWidget* parent = nullptr);
    ~TForm19() override;

private:
    std::unique_ptr<Ui::TForm19> ui;
};
