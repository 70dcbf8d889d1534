#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm17;
}

// The scored multiple-choice test.
class TForm17 : public QWidget {
    Q_OBJECT

public:
    explicit TForm17(QWidget* parent = nullptr);
    ~TForm17() override;

private:
    std::unique_ptr<Ui::TForm17> ui;
};
