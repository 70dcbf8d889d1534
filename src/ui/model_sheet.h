#pragma once

#include <QList>
#include <QWidget>

class QAbstractButton;
class TRxLabel;

// A model's tab sheet as the program and the probe see it: its canvas, the
// refresh button that redraws it and the readouts it writes.
class ModelSheet : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual TRxLabel* modelCanvas() const = 0;
    virtual QAbstractButton* refreshButton() const = 0;
    // The readout widgets and indicators, in the order they are reported.
    virtual QList<QWidget*> readouts() const = 0;
};
