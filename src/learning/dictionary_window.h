// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm6;
}

// The dictionary of terms, read from "txt\slovar.rtf" at start-up.
class TForm6 : public QWidget {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

    // Reads the dictionary into its box; a missing file raises the file-open
    // error and leaves the box empty.
    void FormCreate();
    void sBitBtn1Click();

private:
    std::unique_ptr<Ui::TForm6> ui;
};
