#include "ui/label_fx.h"

#include <QGraphicsDropShadowEffect>

LabelFX::LabelFX(QWidget* parent)
    : QLabel(parent)
{
    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setBlurRadius(6);
    shadow->setOffset(2, 2);
    shadow->setColor(QColor(0, 0, 0, 170));
    setGraphicsEffect(shadow);
}
