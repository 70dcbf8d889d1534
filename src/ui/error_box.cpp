// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/error_box.h"

#include "kit/float_error.h"

#include <QMessageBox>

namespace {

QString& applicationTitle()
{
    static QString title;
    return title;
}

ErrorSink& errorSink()
{
    static ErrorSink sink;
    return sink;
}

ErrorSink& messageSink()
{
    static ErrorSink sink;
    return sink;
}

AnswerSink& answerSink()
{
    static AnswerSink sink;
    return sink;
}

} // namespace

void SetApplicationTitle(const QString& title)
{
    applicationTitle() = title;
}

QString ApplicationTitle()
{
    return applicationTitle();
}

std::unique_ptr<QMessageBox> MakeErrorBox(const QString& errorText)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Critical, ApplicationTitle(),
                                             errorText + QLatin1Char('.'), QMessageBox::Ok);
    box->setObjectName(QStringLiteral("ErrorBox"));
    return box;
}

void ShowError(const QString& errorText)
{
    if (errorSink()) {
        errorSink()(errorText + QLatin1Char('.'));
        return;
    }
    MakeErrorBox(errorText)->exec();
}

void SetErrorSink(ErrorSink sink)
{
    errorSink() = std::move(sink);
}

std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, ApplicationTitle(), shown, QMessageBox::Ok);
    box->setObjectName(QStringLiteral("MessageBox"));
    return box;
}

void ShowMessage(const QString& text)
{
    if (messageSink()) {
        messageSink()(text);
        return;
    }
    MakeMessageBox(text)->exec();
}

void SetMessageSink(ErrorSink sink)
{
    messageSink() = std::move(sink);
}

QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    if (answerSink())
        return answerSink()(text);
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), text, buttons);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void SetAnswerSink(AnswerSink sink)
{
    answerSink() = std::move(sink);
}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const AppError& error) {
        ShowError(error.text());
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    }
}
