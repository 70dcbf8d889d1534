// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm11;
}

class TForm16;
class TForm18;

// Help on the model controls: inert copies of the buttons, switches, track
// bar and scroll bar of the models with what each is for, and the way to the
// About window and the skin chooser, and the choice of the language.
class TForm11 : public QWidget {
    Q_OBJECT

public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;

    void SetAboutWindow(TForm16* window);
    void SetSkinChooser(TForm18* window);

    void sBitBtn1Click();
    void sBitBtn2Click();
    void sBitBtn3Click();

private:
    void showLanguage();

    std::unique_ptr<Ui::TForm11> ui;
    TForm16* about_ = nullptr;
    TForm18* skinChooser_ = nullptr;
};
