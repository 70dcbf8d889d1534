#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm11;
}

// Help on the model controls.
class TForm11 : public QWidget {
    Q_OBJECT

public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;

private:
    std::unique_ptr<Ui::TForm11> ui;
};
