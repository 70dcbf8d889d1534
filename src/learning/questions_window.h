#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm9;
}

// The theory questions.
class TForm9 : public QWidget {
    Q_OBJECT

public:
    explicit TForm9(QWidget* parent = nullptr);
    ~TForm9() override;

private:
    std::unique_ptr<Ui::TForm9> ui;
};
