#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm5;
}

// The model chooser.
class TForm5 : public QWidget {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);
    ~TForm5() override;

private:
    std::unique_ptr<Ui::TForm5> ui;
};
