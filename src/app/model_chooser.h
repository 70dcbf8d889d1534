// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm5;
}

class QPushButton;
class TForm1;

// The model chooser: pointing at a model's button shows its picture and
// description; pressing it shows the model as the one tab of the main window.
class TForm5 : public QWidget {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

    void SetMainWindow(TForm1* mainWindow);

    // Model n (1..8): pointing at its button and pressing it.
    void ModelButtonMouseMove(int n);
    void ModelButtonClick(int n);
    void sBitBtn9Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* modelButton(int n) const;

    std::unique_ptr<Ui::TForm5> ui;
    TForm1* mainWindow_ = nullptr;
    // The model whose description is shown, 1 to 8; 0 before any.
    int shown_ = 0;
};
