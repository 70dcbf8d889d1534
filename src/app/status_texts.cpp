#include "app/status_texts.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QLocale>
#include <QWidget>

QString StatusTimeText()
{
    // The long format without its time-zone name, as a clock shows it.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QStringLiteral(" t")).remove(QLatin1Char('t'));
    return QStringLiteral("Время:  ") + QTime::currentTime().toString(format.trimmed());
}

QString StatusDateText()
{
    return QStringLiteral("Дата:  ") + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

QString StatusHintText()
{
    return QStringLiteral("Подсказка экрана:  ") + HintUnderMouse();
}

QString HintUnderMouse()
{
    for (QWidget* widget = QApplication::widgetAt(QCursor::pos()); widget; widget = widget->parentWidget()) {
        if (!widget->toolTip().isEmpty())
            return widget->toolTip();
        if (widget->isWindow())
            break;
    }
    return {};
}
