// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/glyph_button.h"

#include <QEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

GlyphButton::GlyphButton(QWidget* parent)
    : QPushButton(parent)
{
}

void GlyphButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton bevel;
    initStyleOption(&bevel);
    bevel.text.clear();
    bevel.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, bevel);

    const int margin = 4;
    QRect room = rect().adjusted(margin, 2, -margin, -2);
    if (isDown())
        room.translate(1, 1);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    if (!icon().isNull()) {
        const QSize size = iconSize();
        if (text().isEmpty()) {
            icon().paint(&painter, QRect(room.center() - QPoint(size.width() / 2, size.height() / 2), size),
                         Qt::AlignCenter, mode);
            return;
        }
        icon().paint(&painter, QRect(room.left(), room.center().y() - size.height() / 2, size.width(), size.height()),
                     Qt::AlignCenter, mode);
        room.setLeft(room.left() + size.width() + 2);
    }
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

bool GlyphButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange && text().isEmpty())
        setAccessibleName(toolTip());
    return QPushButton::event(event);
}
