// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A dial whose scale turns under a fixed red pointer to show a real value:
// large numbered marks every `largeStep`, small marks every `smallStep`, and
// `aperture` units of the scale in view across its half-circle window.
class TVrJogMeter : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(int largeStep READ largeStep WRITE setLargeStep)
    Q_PROPERTY(int smallStep READ smallStep WRITE setSmallStep)
    Q_PROPERTY(int aperture READ aperture WRITE setAperture)

public:
    explicit TVrJogMeter(QWidget* parent = nullptr);

    double value() const { return value_; }
    int largeStep() const { return largeStep_; }
    void setLargeStep(int step);
    int smallStep() const { return smallStep_; }
    void setSmallStep(int step);
    int aperture() const { return aperture_; }
    void setAperture(int aperture);

    QSize sizeHint() const override;

public slots:
    void setValue(double value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double value_ = 0;
    int largeStep_ = 10;
    int smallStep_ = 1;
    int aperture_ = 45;
};
