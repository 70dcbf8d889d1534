// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_texts.h"

#include <QApplication>
#include <QEvent>
#include <QSinglePointEvent>
#include <QWindow>
#include <QDateTime>
#include <QLocale>
#include <QWidget>

QString StatusTimeText()
{
    // The long format without its time-zone name, as a clock shows it.
    static const QString format = [] {
        QString longFormat = QLocale::system().timeFormat(QLocale::LongFormat);
        return longFormat.remove(QStringLiteral(" t")).remove(QLatin1Char('t')).trimmed();
    }();
    return QCoreApplication::translate("StatusTexts", "Время:  ") + QTime::currentTime().toString(format);
}

QString StatusDateText()
{
    return QCoreApplication::translate("StatusTexts", "Дата:  ") + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString StatusHintText(const QWidget* underMouse)
{
    return QCoreApplication::translate("StatusTexts", "Подсказка экрана:  ") + HintOf(underMouse);
}

QString HintOf(const QWidget* underMouse)
{
    for (const QWidget* widget = underMouse; widget; widget = widget->parentWidget()) {
        if (!widget->toolTip().isEmpty())
            return widget->toolTip();
        if (widget->isWindow())
            break;
    }
    return {};
}

PointerTracker::PointerTracker(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool PointerTracker::eventFilter(QObject* watched, QEvent* event)
{
    // Every movement of the pointer over one of the program's windows reaches
    // that window first; a window shown or hidden may put another widget
    // under a pointer that rests.
    bool changed = false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::Enter:
        // An enter tells where the pointer came in only when the window did
        // not know it already; the moves that follow are exact.
        if (watched->isWindowType() && (event->type() == QEvent::MouseMove || watched != window_)) {
            window_ = static_cast<QWindow*>(watched);
            position_ = static_cast<QSinglePointEvent*>(event)->position().toPoint();
            changed = true;
        }
        break;
    case QEvent::Leave:
        changed = watched == window_;
        if (changed)
            window_ = nullptr;
        break;
    case QEvent::Show:
    case QEvent::Hide:
        changed = true;
        break;
    default:
        break;
    }
    if (changed) {
        stale_ = true;
        emit moved();
    }
    return QObject::eventFilter(watched, event);
}

QWidget* PointerTracker::underMouse()
{
    if (stale_) {
        // The window the pointer is in, and its own layout, tell which widget
        // lies there; the window system is not asked.
        underMouse_ = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window_ && window->windowHandle() == window_) {
                QWidget* child = window->childAt(position_);
                underMouse_ = child ? child : window;
            }
        }
        stale_ = false;
    }
    return underMouse_;
}
