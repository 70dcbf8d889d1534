#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm8;
}

// The problems with a calculator.
class TForm8 : public QWidget {
    Q_OBJECT

public:
    explicit TForm8(QWidget* parent = nullptr);
    ~TForm8() override;

private:
    std::unique_ptr<Ui::TForm8> ui;
};
