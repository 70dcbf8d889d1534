// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt generic plugin that the installed-launcher test loads into the real
// program through QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS. Qt reads both
// itself, so the program needs no option of its own for it. The plugin
// prints what a person would meet: every message box (and dismisses it),
// the main window, the chooser's picture as the mouse passes over each
// model button, each task card, the documents and the test window's
// caption; then it ends the program.
#include <QAbstractButton>
#include <QApplication>
#include <QGenericPlugin>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

void report(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

QWidget* window(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name))
            return widget;
    }
    report(QStringLiteral("missing window %1").arg(QLatin1String(name)));
    return nullptr;
}

class WindowReport : public QObject {
public:
    WindowReport()
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            report(QStringLiteral("box=") + box->text());
            QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
        } else if (watched->objectName() == QLatin1String("TForm1") && !toured_) {
            toured_ = true;
            report(QStringLiteral("window TForm1=") + static_cast<QWidget*>(watched)->windowTitle());
            QTimer::singleShot(0, this, [this] { tour(); });
        }
        return false;
    }

private:
    void tour()
    {
        if (QWidget* chooser = window("TForm5"))
            pointAtModels(chooser);
        if (QWidget* cards = window("TForm14"))
            openCards(cards);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (QTextEdit* text : top->findChildren<QTextEdit*>()) {
                report(QStringLiteral("document %1.%2=%3")
                           .arg(top->objectName(), text->objectName())
                           .arg(text->toPlainText().trimmed().size()));
            }
        }
        if (QWidget* test = window("TForm17"))
            report(QStringLiteral("window TForm17=") + test->windowTitle());
        QCoreApplication::exit(0);
    }

    static void pointAtModels(QWidget* chooser)
    {
        auto* picture = chooser->findChild<QLabel*>(QStringLiteral("Image1"));
        if (!picture) {
            report(QStringLiteral("missing chooser picture"));
            return;
        }
        for (int n = 1; n <= 8; ++n) {
            auto* button = chooser->findChild<QAbstractButton*>(QStringLiteral("sBitBtn%1").arg(n));
            if (!button) {
                report(QStringLiteral("missing model button %1").arg(n));
                continue;
            }
            picture->clear();
            const QPointF centre = QRectF(button->rect()).center();
            QMouseEvent move(QEvent::MouseMove, centre, button->mapToGlobal(centre), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(button, &move);
            const QPixmap shown = picture->pixmap();
            report(QStringLiteral("picture %1=%2x%3").arg(n).arg(shown.width()).arg(shown.height()));
        }
    }

    static void openCards(QWidget* cards)
    {
        auto* text = cards->findChild<QTextEdit*>(QStringLiteral("sRichEdit1"));
        if (!text) {
            report(QStringLiteral("missing card text"));
            return;
        }
        for (const char* name : {"sBitBtn3", "sBitBtn2", "sBitBtn4", "sBitBtn5", "sBitBtn6"}) {
            auto* button = cards->findChild<QAbstractButton*>(QLatin1String(name));
            if (!button) {
                report(QStringLiteral("missing card button %1").arg(QLatin1String(name)));
                continue;
            }
            text->clear();
            button->click();
            report(QStringLiteral("card %1=%2").arg(QLatin1String(name)).arg(text->toPlainText().trimmed().size()));
        }
        text->clear();
    }

    bool toured_ = false;
};

} // namespace

class WindowReportPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "window_report.json")

public:
    QObject* create(const QString&, const QString&) override
    {
        return new WindowReport;
    }
};

#include "window_report_plugin.moc"
