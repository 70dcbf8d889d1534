#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm6;
}

// The dictionary of terms.
class TForm6 : public QWidget {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);
    ~TForm6() override;

private:
    std::unique_ptr<Ui::TForm6> ui;
};
