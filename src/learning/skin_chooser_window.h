// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm18;
}

class SkinManager;

// The skin chooser: eight buttons, one for each built-in skin, that put it
// on the whole program at once, and the name of the skin in force.
class TForm18 : public QWidget {
    Q_OBJECT

public:
    explicit TForm18(QWidget* parent = nullptr);
    ~TForm18() override;

    // The program's skin manager; the label names its skin from now on.
    void SetSkinManager(SkinManager* manager);

    // Puts the skin named by a skin button's caption on the program.
    void ChooseSkin(const QString& name);
    void sBitBtn1Click();

    QString currentSkinText() const;

private:
    std::unique_ptr<Ui::TForm18> ui;
    SkinManager* skins_ = nullptr;
};
