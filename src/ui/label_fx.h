#pragma once

#include <QLabel>

// A label drawn with a soft shadow under its text.
class LabelFX : public QLabel {
    Q_OBJECT

public:
    explicit LabelFX(QWidget* parent = nullptr);
};
