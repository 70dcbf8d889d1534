// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_placement.h"

#include <QBackingStore>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

void ShapeWindow(QWidget* window, const WindowShape& shape)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (shape.minimiseButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (shape.maximiseButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (shape.stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    window->setWindowFlags(flags);

    const QSize clientSize = window->size();
    if (!shape.resizable)
        window->setFixedSize(clientSize);

    QPoint position = shape.screenPosition;
    if (shape.centred) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        position = available.center() - QPoint(clientSize.width() / 2, clientSize.height() / 2);
    }
    window->move(position);
}

void ShowModeless(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

namespace {

class ShrinkBackingStoreOnHide : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            auto* window = static_cast<QWidget*>(watched);
            // A shown window sizes its store again before it paints.
            if (QBackingStore* store = window->backingStore(); store && !window->isVisible())
                store->resize(QSize(1, 1));
        }
        return false;
    }
};

} // namespace

void ReleaseWhileHidden(QWidget* window)
{
    window->installEventFilter(new ShrinkBackingStoreOnHide(window));
}
