#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm2;
}

// The auxiliary screen of the one-source shadow model: the screen seen face-on.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

private:
    std::unique_ptr<Ui::TForm2> ui;
};
