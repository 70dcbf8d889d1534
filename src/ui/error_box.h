// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The application's title: the caption of the task-bar entry and of error boxes.
void SetApplicationTitle(const QString& title);
QString ApplicationTitle();

// The error box: a stop icon, an OK button, the application title as caption
// and the error text followed by a full stop.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& errorText);

// Shows the error box for `errorText` and waits for OK (or hands the box's
// text to the sink, when one is set).
void ShowError(const QString& errorText);

// Where box texts go instead of a box: the probe prints them.
using ErrorSink = std::function<void(const QString& boxText)>;
void SetErrorSink(ErrorSink sink);

// A plain message box with the text and an OK button, the application title
// as caption; carriage returns in the text break its lines.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString& text);
// Shows that box and waits for OK, or hands the text to the message sink
// when one is set.
void ShowMessage(const QString& text);
void SetMessageSink(ErrorSink sink);

// Asks `text` in a question box with `buttons` (the application title as
// caption, the buttons in the language of Qt's translation) and returns the
// one chosen, or what the answer sink returns when one is set.
QMessageBox::StandardButton Ask(const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton);
using AnswerSink = std::function<QMessageBox::StandardButton(const QString& questionText)>;
void SetAnswerSink(AnswerSink sink);

// Runs an event handler; an error it raises ends it there and is shown in the
// error box, so no exception ever unwinds through Qt's frames.
void RunGuarded(const std::function<void()>& handler);

// Connects a signal to a handler that runs guarded; the signal's arguments are dropped.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QObject* context, Handler handler)
{
    return QObject::connect(sender, signal, context, [handler] { RunGuarded(handler); });
}
