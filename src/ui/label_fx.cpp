// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/label_fx.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>

LabelFX::LabelFX(QWidget* parent)
    : QLabel(parent)
{
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(6);
    setGraphicsEffect(shadow);
    matchShadowToText();
}

void LabelFX::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        matchShadowToText();
}

void LabelFX::matchShadowToText()
{
    auto* shadow = static_cast<QGraphicsDropShadowEffect*>(graphicsEffect());
    const bool lightText = palette().color(foregroundRole()).lightness() > 128;
    shadow->setColor(lightText ? QColor(0, 0, 0, 170) : QColor(255, 255, 255, 230));
    shadow->setOffset(lightText ? QPointF(2, 2) : QPointF(0, 0));
}
