#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm12;
}

// The speed of light in the two media of the law-of-refraction model.
class TForm12 : public QWidget {
    Q_OBJECT

public:
    explicit TForm12(QWidget* parent = nullptr);
    ~TForm12() override;

private:
    std::unique_ptr<Ui::TForm12> ui;
};
