// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/full_screen_picture.h"

#include "ui/model_sheet.h"
#include "ui/sheet_picture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

FullScreenPicture::FullScreenPicture(ModelSheet& sheet)
    : QWidget(nullptr, Qt::Window), sheet_(sheet), picture_(new QLabel(this)), readouts_(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(sheet.windowTitle().simplified());
    setStyleSheet(QStringLiteral("background: black; color: white;"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored); // the picture follows the room, not the other way
    picture_->setAccessibleName(tr("Рисунок модели"));
    readouts_->setWordWrap(true);
    readouts_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont large = readouts_->font();
    large.setPixelSize(24);
    large.setBold(true);
    readouts_->setFont(large);
    layout->addWidget(picture_, 1);
    layout->addWidget(readouts_);
    connect(&sheet, &ModelSheet::redrawn, this, &FullScreenPicture::Update);
    // Opened from the tool row or the tab, the keys still work a control: the sheet's first.
    if (!control() && !sheet.controls().isEmpty()) {
        if (auto* first = qobject_cast<QWidget*>(sheet.controls().first()))
            first->setFocus(Qt::OtherFocusReason);
    }
}

void FullScreenPicture::Update()
{
    const SheetPicture picture = TakePicture(sheet_);
    // A line breaks between quantities, never inside one.
    QStringList quantities = picture.quantities;
    for (QString& quantity : quantities)
        quantity.replace(QLatin1Char(' '), QChar::Nbsp);
    readouts_->setText(quantities.join(QStringLiteral("      ")));
    const QSize room(width(), height() - readouts_->heightForWidth(width()));
    const qreal scale = std::max(1.0, std::min(qreal(room.width()) / picture.size.width(),
                                               qreal(room.height()) / picture.size.height()));
    QImage image = PictureImage(picture, scale * devicePixelRatioF());
    image.setDevicePixelRatio(devicePixelRatioF());
    picture_->setPixmap(QPixmap::fromImage(image));
}

QWidget* FullScreenPicture::control() const
{
    QWidget* focused = sheet_.focusWidget();
    return focused && sheet_.isAncestorOf(focused) ? focused : nullptr;
}

// Tab among them as well: a widget moves the focus on by the Tab it receives.
void FullScreenPicture::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F11) {
        close();
        return;
    }
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat());
    QApplication::sendEvent(control() ? control() : static_cast<QWidget*>(&sheet_), &copy);
}

// The wheel over the picture turns the control that has the focus.
void FullScreenPicture::wheelEvent(QWheelEvent* event)
{
    if (QWidget* target = control()) {
        QWheelEvent copy(event->position(), event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                         event->buttons(), event->modifiers(), event->phase(), event->inverted());
        QApplication::sendEvent(target, &copy);
    }
}

void FullScreenPicture::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Update();
}
