#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm18;
}

// The skin chooser.
class TForm18 : public QWidget {
    Q_OBJECT

public:
    explicit TForm18(QWidget* parent = nullptr);
    ~TForm18() override;

private:
    std::unique_ptr<Ui::TForm18> ui;
};
