#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm14;
}

// The task cards and the way into the test.
class TForm14 : public QWidget {
    Q_OBJECT

public:
    explicit TForm14(QWidget* parent = nullptr);
    ~TForm14() override;

private:
    std::unique_ptr<Ui::TForm14> ui;
};
