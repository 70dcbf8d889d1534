#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm3;
}

// The auxiliary screen of the two-source shadow model: the screen seen face-on.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    explicit TForm3(QWidget* parent = nullptr);
    ~TForm3() override;

private:
    std::unique_ptr<Ui::TForm3> ui;
};
