// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/rx_label.h"

#include "ui/fonts.h"

#include <QPainter>
#include <QTimer>

TRxLabel::TRxLabel(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    canvas_.SetChangedCallback([this] { update(); });
    applyAppearance();
}

void TRxLabel::setBackgroundColor(const QColor& color)
{
    background_ = color;
    applyAppearance();
}

void TRxLabel::setFontFamily(const QString& family)
{
    family_ = family;
    applyAppearance();
}

void TRxLabel::setFontPixelSize(int pixelSize)
{
    pixelSize_ = pixelSize;
    applyAppearance();
}

void TRxLabel::setFontBold(bool bold)
{
    bold_ = bold;
    applyAppearance();
}

void TRxLabel::setFontColor(const QColor& color)
{
    fontColor_ = color;
    applyAppearance();
}

ImageCanvas& TRxLabel::Canvas()
{
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (wanted != QSize(canvas_.Width(), canvas_.Height()))
        canvas_.Resize(wanted);
    canvas_.SetDevicePixelRatio(devicePixelRatioF());
    return canvas_;
}

void TRxLabel::ReleasePicture()
{
    canvas_.Resize(QSize(1, 1));
}

QSize TRxLabel::sizeHint() const
{
    return QSize(canvas_.Width(), canvas_.Height());
}

void TRxLabel::applyAppearance()
{
    canvas_.SetLabelAppearance(background_, UiFont(family_, pixelSize_, bold_), fontColor_);
    canvas_.Resize(size());
}

void TRxLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
    // Moved to a screen of another ratio: the model draws anew, after this paint.
    if (devicePixelRatioF() != canvas_.DevicePixelRatio() && !redrawAsked_) {
        redrawAsked_ = true;
        QTimer::singleShot(0, this, [this] {
            redrawAsked_ = false;
            if (devicePixelRatioF() != canvas_.DevicePixelRatio())
                emit pictureLost();
        });
    }
}

void TRxLabel::resizeEvent(QResizeEvent*)
{
    Canvas();
}
