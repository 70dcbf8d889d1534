// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm9;
}

// The theory questions, read from "txt\voprosi.rtf" at start-up.
class TForm9 : public QWidget {
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

    // Reads the questions into their box; a missing file raises the file-open
    // error and leaves the box empty.
    void FormCreate();
    void sBitBtn1Click();

private:
    std::unique_ptr<Ui::TForm9> ui;
};
