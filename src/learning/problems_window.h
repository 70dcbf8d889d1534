// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm8;
}

// The problems, read from "txt\zadachi.rtf" at start-up, with a calculator
// to work them and a photograph of a flask that acts as a lens.
class TForm8 : public QWidget {
    Q_OBJECT

public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

    // Reads the problems into their box; a missing file raises the file-open
    // error and leaves the box empty.
    void FormCreate();
    void sBitBtn9Click();

private:
    // The flask's photograph in the language installed.
    void showFlask();

    std::unique_ptr<Ui::TForm8> ui;
};
