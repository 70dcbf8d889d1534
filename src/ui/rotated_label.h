// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A transparent label whose text is turned counterclockwise by `angle`
// degrees, rising from the label's bottom left corner.
class RotatedLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(int angle READ angle WRITE setAngle)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)

public:
    explicit RotatedLabel(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    int angle() const { return angle_; }
    void setAngle(int angle);
    QColor textColor() const { return color_; }
    void setTextColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    int angle_ = 0;
    QColor color_ = Qt::white;
};
