// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

#include <memory>

namespace Ui {
class TForm12;
}

// The speed of light in the two media of the law-of-refraction model; the
// model's redraw writes both displays, the window computes nothing.
class TForm12 : public QWidget {
    Q_OBJECT

public:
    explicit TForm12(QWidget* parent = nullptr);
    ~TForm12() override;

    void ShowSpeeds(const QString& medium1, const QString& medium2);
    // RzLEDDisplay1 and RzLEDDisplay2.
    QList<QWidget*> speedDisplays() const;

private:
    std::unique_ptr<Ui::TForm12> ui;
};
