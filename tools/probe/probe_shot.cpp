// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/splash_window.h"
#include "learning/pupil_dialog.h"
#include "ui/error_box.h"
#include "ui/model_sheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// The widget NAME of the window shot, or WINDOW.NAME of another window.
template <typename Widget>
Widget* widgetNamed(const ProbeSession& session, QWidget* window, const QString& name)
{
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        window = session.windows.byName(qPrintable(name.left(dot)));
        return window ? window->findChild<Widget*>(name.mid(dot + 1)) : nullptr;
    }
    return window->findChild<Widget*>(name);
}

// A button to press or to focus before the shot: BUTTON of the window shot,
// WINDOW.BUTTON of another window, or (answer:N) the N-th answer button of
// the test.
QAbstractButton* buttonNamed(const ProbeSession& session, QWidget* window, const QString& name)
{
    if (name.startsWith(QLatin1String("answer:"))) {
        const int n = name.mid(7).toInt();
        for (auto* button : session.windows.byName("TForm17")->findChildren<QAbstractButton*>()) {
            if (button->property("tag").toInt() == n && button->isVisible())
                return button;
        }
        return nullptr;
    }
    return widgetNamed<QAbstractButton>(session, window, name);
}

} // namespace

int RunShotVerb(ProbeSession& session, const QStringList& args)
{
    QString windowName, model, skin, focus, file;
    QStringList clicks, settings;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--model") && i + 1 < args.size())
            model = args[++i];
        else if (args[i] == QLatin1String("--skin") && i + 1 < args.size())
            skin = args[++i];
        else if (args[i] == QLatin1String("--click") && i + 1 < args.size())
            clicks << args[++i];
        else if (args[i] == QLatin1String("--focus") && i + 1 < args.size())
            focus = args[++i];
        else if (args[i] == QLatin1String("--answer") && i + 1 < args.size())
            clicks << QStringLiteral("answer:") + args[++i];
        else if (!model.isEmpty() && args[i].contains(QLatin1Char('=')))
            settings << args[i];
        else if (windowName.isEmpty())
            windowName = args[i];
        else
            file = args[i];
    }
    if (windowName.isEmpty() || file.isEmpty())
        return 2;

    if (!skin.isEmpty() && !ApplySkin(session, skin))
        return 1;

    std::unique_ptr<QWidget> ownWindow;
    QWidget* window = nullptr;
    if (windowName == QLatin1String("TForm15")) {
        ownWindow = std::make_unique<TForm15>();
        window = ownWindow.get();
    } else if (windowName == QLatin1String("PupilDialog")) {
        // The question before the first one, as a pupil sees it the second time.
        ownWindow = std::make_unique<PupilDialog>(Pupil{QStringLiteral("Иванова Мария"), QStringLiteral("8 Б")});
        window = ownWindow.get();
    } else {
        window = session.windows.byName(qPrintable(windowName));
    }
    if (!window) {
        std::fprintf(stderr, "no window %s\n", qPrintable(windowName));
        return 1;
    }

    window->show();
    QApplication::processEvents();
    if (!model.isEmpty()) {
        ModelSheet* sheet = session.sheetOf(model);
        if (!sheet)
            return 1;
        session.windows.form1->ShowModelSheet(sheet);
        QApplication::processEvents();
        for (const QString& setting : settings) {
            if (!ApplySetting(sheet, setting)) {
                std::fprintf(stderr, "cannot set %s\n", qPrintable(setting));
                return 1;
            }
        }
        sheet->refreshButton()->click();
    }
    // A click that raises a message box (the test's result) would wait for
    // its OK: the box is what a person sees then, so it is shot instead of
    // the window, its text printed, and no further button is pressed.
    QStringList messages;
    SetMessageSink([&messages](const QString& text) { messages << text; });
    for (const QString& name : clicks) {
        QAbstractButton* button = buttonNamed(session, window, name);
        if (!button) {
            std::fprintf(stderr, "no button %s for %s\n", qPrintable(name), qPrintable(windowName));
            return 1;
        }
        button->click();
        QApplication::processEvents();
        if (!messages.isEmpty())
            break;
    }
    // The focus as the Tab key leaves it, in the window shot.
    if (!focus.isEmpty() && messages.isEmpty()) {
        QWidget* control = buttonNamed(session, window, focus);
        if (!control)
            control = widgetNamed<QWidget>(session, window, focus);
        if (!control) {
            std::fprintf(stderr, "no control %s for %s\n", qPrintable(focus), qPrintable(windowName));
            return 1;
        }
        QApplication::setActiveWindow(window);
        control->setFocus(Qt::TabFocusReason);
    }
    QApplication::processEvents();
    std::unique_ptr<QMessageBox> box;
    if (!messages.isEmpty()) {
        QTextStream out(stdout);
        for (const QString& message : std::as_const(messages))
            for (const QString& line : message.split(QLatin1Char('\r')))
                out << "message=" << line << '\n';
        box = MakeMessageBox(messages.first());
        box->show();
        QApplication::processEvents();
    }
    QWidget* shown = box ? static_cast<QWidget*>(box.get()) : window;
    if (!shown->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
